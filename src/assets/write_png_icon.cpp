// Writes the window icon as a PNG file of a given size, for the desktop's icon theme and the web
// page's manifest: the icon's 32 x 32 pixels as whole blocks, so the art stays crisp. With a
// margin, the icon stands on the field's black inside it, opaque, as a maskable icon (the
// launcher cuts any shape out of the square, so the art keeps out of its edges).
// Usage: vexal_write_png_icon FILE SIZE [MARGIN]
#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "assets/pictures.h"

namespace {

constexpr std::uint32_t kOpaqueBlack = 0xFF000000;

void PutBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value) {
  for (const int shift : {24, 16, 8, 0}) {
    out.push_back(static_cast<std::uint8_t>(value >> shift));
  }
}

// A chunk: its length, its type and data, and their checksum.
void PutChunk(std::vector<std::uint8_t>& out, const char* type,
              const std::vector<std::uint8_t>& data) {
  PutBigEndian(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  PutBigEndian(out, static_cast<std::uint32_t>(
                        crc32(0, out.data() + start, static_cast<uInt>(out.size() - start))));
}

// Eight-bit RGBA rows, each after its filter byte (none), compressed.
std::vector<std::uint8_t> PngFile(const forms::Bitmap& picture) {
  std::vector<std::uint8_t> rows;
  for (int y = 0; y < picture.Height; ++y) {
    rows.push_back(0);
    for (int x = 0; x < picture.Width; ++x) {
      const std::uint32_t argb = picture.At(x, y);
      for (const int shift : {16, 8, 0, 24}) {
        rows.push_back(static_cast<std::uint8_t>(argb >> shift));
      }
    }
  }
  uLongf packedSize = compressBound(static_cast<uLong>(rows.size()));
  std::vector<std::uint8_t> packed(packedSize);
  if (compress2(packed.data(), &packedSize, rows.data(), static_cast<uLong>(rows.size()),
                Z_BEST_COMPRESSION) != Z_OK) {
    std::fprintf(stderr, "cannot compress the picture\n");
    std::exit(EXIT_FAILURE);
  }
  packed.resize(packedSize);
  std::vector<std::uint8_t> header;
  PutBigEndian(header, static_cast<std::uint32_t>(picture.Width));
  PutBigEndian(header, static_cast<std::uint32_t>(picture.Height));
  header.insert(header.end(), {8, 6, 0, 0, 0});  // 8 bits a channel, RGBA, no interlace
  std::vector<std::uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  PutChunk(out, "IHDR", header);
  PutChunk(out, "IDAT", packed);
  PutChunk(out, "IEND", {});
  return out;
}

// The icon in blocks of a whole number of pixels, a margin of black around it when asked.
forms::Bitmap IconPicture(int size, int margin) {
  const forms::Bitmap& icon = assets::WindowIcon();
  const int block = (size - 2 * margin) / icon.Width;
  if (block < 1 || block * icon.Width != size - 2 * margin) {
    std::fprintf(stderr, "%d less twice %d is no multiple of %d\n", size, margin, icon.Width);
    std::exit(EXIT_FAILURE);
  }
  forms::Bitmap picture{.Width = size, .Height = size, .Pixels = {}};
  picture.Pixels.assign(static_cast<std::size_t>(size) * static_cast<std::size_t>(size),
                        margin > 0 ? kOpaqueBlack : 0);
  for (int y = 0; y < icon.Height * block; ++y) {
    for (int x = 0; x < icon.Width * block; ++x) {
      const std::uint32_t pixel = icon.At(x / block, y / block);
      if ((pixel >> 24) != 0 || margin == 0) {
        picture.Pixels[static_cast<std::size_t>((y + margin) * size + x + margin)] = pixel;
      }
    }
  }
  return picture;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 && argc != 4) {
    std::fprintf(stderr, "usage: %s FILE SIZE [MARGIN]\n", argv[0]);
    return EXIT_FAILURE;
  }
  const int margin = argc == 4 ? std::stoi(argv[3]) : 0;
  const std::vector<std::uint8_t> file = PngFile(IconPicture(std::stoi(argv[2]), margin));
  std::ofstream out(argv[1], std::ios::binary);
  out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
  return out ? EXIT_SUCCESS : EXIT_FAILURE;
}
