#pragma once

#include <wx/image.h>

#include <cstddef>

namespace quorvex {

// Decodes JPEG bytes with libjpeg into an RGB image; an invalid image when the bytes
// are not a JPEG the library can read.
wxImage DecodeJpeg(const unsigned char* bytes, std::size_t size);

// The pictures carried in the program: the 380 x 55 logo and the 32 x 32 icon.
wxImage LogoImage();
wxImage IconImage();

}  // namespace quorvex
