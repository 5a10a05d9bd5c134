#include "ui/wx/JpegImage.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include <jpeglib.h>

namespace quorvex {

extern const unsigned char kLogoJpeg[];
extern const std::size_t kLogoJpegSize;
extern const unsigned char kIconJpeg[];
extern const std::size_t kIconJpegSize;

namespace {

// libjpeg reports fatal errors through error_exit, which must not return: it jumps back
// to the decoder instead of ending the program.
struct ErrorJump {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

void JumpOnError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorJump*>(info->err)->jump, 1);
}

void IgnoreMessage(j_common_ptr) {}

struct Decoder {
    jpeg_decompress_struct info{};
    ErrorJump error{};
    std::vector<unsigned char> pixels;
    int width = 0;
    int height = 0;
};

// Only plain C frames lie between setjmp and longjmp, and everything that changes after
// setjmp lives behind the unchanged decoder pointer.
bool Decode(Decoder* decoder, const unsigned char* bytes, std::size_t size) {
    jpeg_decompress_struct* info = &decoder->info;
    info->err = jpeg_std_error(&decoder->error.manager);
    decoder->error.manager.error_exit = JumpOnError;
    decoder->error.manager.output_message = IgnoreMessage;
    if (setjmp(decoder->error.jump) != 0) {
        jpeg_destroy_decompress(info);
        return false;
    }
    jpeg_create_decompress(info);
    jpeg_mem_src(info, bytes, static_cast<unsigned long>(size));
    jpeg_read_header(info, TRUE);
    info->out_color_space = JCS_RGB;
    jpeg_start_decompress(info);
    decoder->width = static_cast<int>(info->output_width);
    decoder->height = static_cast<int>(info->output_height);
    const std::size_t rowBytes = static_cast<std::size_t>(decoder->width) * 3;
    decoder->pixels.resize(rowBytes * static_cast<std::size_t>(decoder->height));
    while (info->output_scanline < info->output_height) {
        JSAMPROW row = decoder->pixels.data() + rowBytes * info->output_scanline;
        jpeg_read_scanlines(info, &row, 1);
    }
    jpeg_finish_decompress(info);
    jpeg_destroy_decompress(info);
    return true;
}

}  // namespace

wxImage DecodeJpeg(const unsigned char* bytes, std::size_t size) {
    if (bytes == nullptr || size == 0) {
        return wxImage();
    }
    auto decoder = std::make_unique<Decoder>();
    if (!Decode(decoder.get(), bytes, size) || decoder->pixels.empty()) {
        return wxImage();
    }
    // wxImage takes ownership of malloc'ed pixel data.
    auto* data = static_cast<unsigned char*>(std::malloc(decoder->pixels.size()));
    if (data == nullptr) {
        return wxImage();
    }
    std::memcpy(data, decoder->pixels.data(), decoder->pixels.size());
    return wxImage(decoder->width, decoder->height, data);
}

wxImage LogoImage() {
    return DecodeJpeg(kLogoJpeg, kLogoJpegSize);
}

wxImage IconImage() {
    return DecodeJpeg(kIconJpeg, kIconJpegSize);
}

}  // namespace quorvex
