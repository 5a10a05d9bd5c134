// Writes a password into a built Quorvex program file, or removes it again (usage below).
// The program then asks for that password at every start.

#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "app/PasswordRecord.h"

namespace {

using quorvex::kMaxPasswordLength;
using quorvex::kPasswordAnchor;
using quorvex::kPasswordMarker;
using quorvex::kPasswordMarkerLength;
using quorvex::kPasswordPlaceholder;
using quorvex::PasswordImage;

void PrintUsage(std::ostream& out) {
    out << "usage: quorvex-password PROGRAM PASSWORD\n"
           "       quorvex-password PROGRAM < FILE    (PASSWORD is the first line of FILE)\n"
           "       quorvex-password --clear PROGRAM\n"
           "Writes PASSWORD (1 to "
        << kMaxPasswordLength
        << " bytes) into the program file PROGRAM, which then asks for it\n"
           "at every start; --clear removes it.\n";
}

int Fail(const std::string& text) {
    std::cerr << "quorvex-password: " << text << "\n";
    return 1;
}

std::string RecordFor(const std::string* password) {
    std::string record(sizeof(PasswordImage::record), '\0');
    if (password == nullptr) {
        record.replace(0, sizeof kPasswordPlaceholder - 1, kPasswordPlaceholder);
    } else {
        record.replace(0, kPasswordMarkerLength, kPasswordMarker);
        record.replace(kPasswordMarkerLength, password->size(), *password);
    }
    return record;
}

// The offset of the record: right after the one anchor in the file, -1 when there is
// none or more than one.
long FindRecord(const std::string& contents) {
    const std::string anchor(kPasswordAnchor, sizeof kPasswordAnchor);
    const std::size_t first = contents.find(anchor);
    if (first == std::string::npos || contents.find(anchor, first + 1) != std::string::npos ||
        first + anchor.size() + sizeof(PasswordImage::record) > contents.size()) {
        return -1;
    }
    return static_cast<long>(first + anchor.size());
}

int WriteRecord(const std::string& program, const std::string* password) {
    std::fstream file(program, std::ios::in | std::ios::out | std::ios::binary);
    if (!file) {
        return Fail("cannot open " + program);
    }
    const std::string contents((std::istreambuf_iterator<char>(file)),
                               std::istreambuf_iterator<char>());
    const long offset = FindRecord(contents);
    if (offset < 0) {
        return Fail(program + " holds no password record");
    }
    const std::string record = RecordFor(password);
    file.clear();
    file.seekp(offset);
    file.write(record.data(), static_cast<std::streamsize>(record.size()));
    file.flush();
    return file ? 0 : Fail("cannot write " + program);
}

bool ReadPasswordLine(std::string& password) {
    if (!std::getline(std::cin, password)) {
        return false;
    }
    if (!password.empty() && password.back() == '\r') {
        password.pop_back();
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        PrintUsage(std::cout);
        return 0;
    }
    if (argc == 3 && std::strcmp(argv[1], "--clear") == 0) {
        return WriteRecord(argv[2], nullptr);
    }
    if (argc != 2 && argc != 3) {
        PrintUsage(std::cerr);
        return 1;
    }
    std::string password;
    if (argc == 3) {
        password = argv[2];
    } else if (!ReadPasswordLine(password)) {
        return Fail("no password given");
    }
    if (password.empty()) {
        return Fail("the password must not be empty (--clear removes it)");
    }
    if (password.size() > kMaxPasswordLength) {
        return Fail("the password is longer than " + std::to_string(kMaxPasswordLength) + " bytes");
    }
    return WriteRecord(argv[1], &password);
}
