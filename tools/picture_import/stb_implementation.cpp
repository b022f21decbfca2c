// The one compilation of stb's decoder, resampler and encoder. Only the four formats the import
// accepts are compiled in, which keeps the other decoders away from hostile files, and no file
// functions: everything comes from memory.
#include <cstdlib>

// The decoder's memory starts zeroed: a JPEG that uses tables it never defined would otherwise
// decode into whatever the heap held before.
#define STBI_MALLOC(size) std::calloc(1, size)
#define STBI_REALLOC(pointer, size) std::realloc(pointer, size)
#define STBI_FREE(pointer) std::free(pointer)
#define STBI_ONLY_JPEG
#define STBI_ONLY_PNG
#define STBI_ONLY_GIF
#define STBI_ONLY_BMP
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STB_IMAGE_IMPLEMENTATION
#include <stb_image.h>

#define STB_IMAGE_RESIZE_IMPLEMENTATION
#include <stb_image_resize.h>

#define STBI_WRITE_NO_STDIO
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>
