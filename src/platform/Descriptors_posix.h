#pragma once

#include <dirent.h>

#include <cstddef>
#include <string>

namespace quorvex {

// Writes every byte, going on after interruptions. Safe inside a signal handler.
bool WriteAll(int fd, const void* data, std::size_t size);

// Opens a folder for listing; the empty path is the current folder. -1 on failure.
int OpenFolder(const std::string& path, int extraFlags = 0);

// A listing over the open folder fd, which it takes over (closed on failure too).
DIR* ListingOf(int fd);

}  // namespace quorvex
