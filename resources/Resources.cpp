// Pictures and files the game carries inside its binary.
#include "resources/Resources.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <cstring>

namespace tessaro {

// The generated table (EmbeddedTable.cpp), sorted by name and ended by an
// entry whose name is nullptr.
extern const EmbeddedFile kEmbeddedFiles[];
extern const std::size_t kEmbeddedFileCount;

const EmbeddedFile* FindEmbedded(const std::string& name) {
  std::size_t low = 0;
  std::size_t high = kEmbeddedFileCount;
  while (low < high) {
    const std::size_t mid = low + (high - low) / 2;
    const int order = std::strcmp(kEmbeddedFiles[mid].name, name.c_str());
    if (order == 0) return &kEmbeddedFiles[mid];
    if (order < 0) {
      low = mid + 1;
    } else {
      high = mid;
    }
  }
  return nullptr;
}

namespace {

// Larger pictures than this are refused rather than allocated.
constexpr png_uint_32 kMaxPngSide = 8192;
// Nor is more memory than this taken for any one chunk such as a text (the
// picture data itself is read piece by piece); a damaged length field would
// otherwise ask for up to 2 GB.
constexpr png_alloc_size_t kMaxChunkBytes = 1 << 20;
constexpr png_uint_32 kMaxAncillaryChunks = 256;
// Of the optional chunks only the transparency is used; all others (texts,
// colour profiles, ...) are skipped unread, which also keeps a damaged text
// length from making libpng allocate its buffer.
constexpr png_byte kUsedAncillaryChunks[] = {'t', 'R', 'N', 'S', '\0'};

struct MemoryReader {
  const unsigned char* data;
  std::size_t size;
  std::size_t position;
};

// The callbacks below are left by longjmp from png_error, so they must not
// hold objects with destructors.
void ReadFromMemory(png_structp png, png_bytep out, png_size_t length) {
  auto* reader = static_cast<MemoryReader*>(png_get_io_ptr(png));
  if (reader == nullptr || length > reader->size - reader->position) {
    png_error(png, "PNG data ends too early");
  }
  std::memcpy(out, reader->data + reader->position, length);
  reader->position += length;
}

void OnPngError(png_structp png, png_const_charp /*message*/) {
  png_longjmp(png, 1);
}

void OnPngWarning(png_structp /*png*/, png_const_charp /*message*/) {}

struct PngJob {
  png_structp png;
  png_infop info;
  MemoryReader* reader;
  std::vector<uint8_t>* rgba;
  std::vector<png_bytep>* rows;
  png_uint_32 width;
  png_uint_32 height;
};

// The decoding proper; png_error leaves it by longjmp. All C++ objects it
// touches live in DecodePng, so no destructor is skipped.
bool ReadPngBody(PngJob* job) {
  png_structp png = job->png;
  png_infop info = job->info;
  png_set_read_fn(png, job->reader, ReadFromMemory);
  png_set_user_limits(png, kMaxPngSide, kMaxPngSide);
  png_set_chunk_malloc_max(png, kMaxChunkBytes);
  png_set_chunk_cache_max(png, kMaxAncillaryChunks);
  png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, nullptr, -1);
  png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_AS_DEFAULT,
                              kUsedAncillaryChunks, 1);
  png_read_info(png, info);

  const png_uint_32 width = png_get_image_width(png, info);
  const png_uint_32 height = png_get_image_height(png, info);
  const int bit_depth = png_get_bit_depth(png, info);
  const int colour_type = png_get_color_type(png, info);

  // Deflate packs at most about 1032 bytes into one, so a picture larger
  // than that allows for the data is corrupt; refuse it before allocating.
  const double packed_bytes = static_cast<double>(height) *
                              (static_cast<double>(png_get_rowbytes(png, info)) + 1.0);
  if (packed_bytes > 1100.0 * static_cast<double>(job->reader->size)) return false;

  // Normalise every kind of PNG to 8-bit RGBA.
  if (colour_type == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
  if (colour_type == PNG_COLOR_TYPE_GRAY && bit_depth < 8) {
    png_set_expand_gray_1_2_4_to_8(png);
  }
  if (png_get_valid(png, info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(png);
  if (bit_depth == 16) png_set_strip_16(png);
  if (bit_depth < 8) png_set_packing(png);
  if (colour_type == PNG_COLOR_TYPE_GRAY ||
      colour_type == PNG_COLOR_TYPE_GRAY_ALPHA) {
    png_set_gray_to_rgb(png);
  }
  // Adds an opaque alpha where there is none; RGBA rows are left alone.
  png_set_add_alpha(png, 0xff, PNG_FILLER_AFTER);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);

  const std::size_t row_bytes = static_cast<std::size_t>(width) * 4;
  if (width == 0 || height == 0 || png_get_rowbytes(png, info) != row_bytes ||
      png_get_bit_depth(png, info) != 8 || png_get_channels(png, info) != 4) {
    return false;
  }

  job->rgba->assign(row_bytes * height, 0);
  job->rows->resize(height);
  for (png_uint_32 y = 0; y < height; ++y) {
    (*job->rows)[y] = job->rgba->data() + static_cast<std::size_t>(y) * row_bytes;
  }
  png_read_image(png, job->rows->data());
  png_read_end(png, nullptr);
  job->width = width;
  job->height = height;
  return true;
}

// Only the setjmp lives here, so that no local of the decoding can be
// clobbered by the longjmp back.
bool ReadPng(PngJob* job) {
  if (setjmp(png_jmpbuf(job->png))) return false;
  return ReadPngBody(job);
}

}  // namespace

bool DecodePng(const unsigned char* data, std::size_t size,
               std::vector<uint8_t>& rgba, int& width, int& height) {
  rgba.clear();
  width = 0;
  height = 0;
  if (data == nullptr || size < 8 || png_sig_cmp(data, 0, 8) != 0) {
    return false;
  }

  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr,
                                           OnPngError, OnPngWarning);
  if (png == nullptr) return false;
  png_infop info = png_create_info_struct(png);
  if (info == nullptr) {
    png_destroy_read_struct(&png, nullptr, nullptr);
    return false;
  }

  MemoryReader reader{data, size, 0};
  std::vector<png_bytep> rows;
  PngJob job{png, info, &reader, &rgba, &rows, 0, 0};
  const bool ok = ReadPng(&job);
  png_destroy_read_struct(&png, &info, nullptr);
  if (!ok) {
    rgba.clear();
    return false;
  }
  width = static_cast<int>(job.width);
  height = static_cast<int>(job.height);
  return true;
}

const uint32_t* DigitImage(int j) {
  if (j < 0 || j >= kDigitImageCount) return nullptr;

  struct Cached {
    bool tried = false;
    std::vector<uint32_t> pixels;  // empty when the picture is unusable
  };
  static Cached cache[kDigitImageCount];

  Cached& entry = cache[j];
  if (!entry.tried) {
    entry.tried = true;
    char name[32];
    std::snprintf(name, sizeof name, "digits/digit-%02d.png", j);
    const EmbeddedFile* file = FindEmbedded(name);
    std::vector<uint8_t> rgba;
    int width = 0;
    int height = 0;
    if (file != nullptr &&
        DecodePng(file->data, file->size, rgba, width, height) &&
        width == kDigitImageSize && height == kDigitImageSize) {
      entry.pixels.resize(static_cast<std::size_t>(width) * height);
      for (std::size_t i = 0; i < entry.pixels.size(); ++i) {
        const uint8_t* p = &rgba[i * 4];
        entry.pixels[i] = static_cast<uint32_t>(p[0]) |
                          static_cast<uint32_t>(p[1]) << 8 |
                          static_cast<uint32_t>(p[2]) << 16;
      }
    }
  }
  return entry.pixels.empty() ? nullptr : entry.pixels.data();
}

}  // namespace tessaro
