// Writes the window icon as PNG files for the desktop's icon theme: its own 32 x 32 pixels,
// and each larger size as whole blocks of them, so the art stays crisp.
// Usage: vexal_export_icons OUTPUT_FOLDER SIZE...
#include <QImage>
#include <cstdio>
#include <cstdlib>

#include "assets/pictures.h"
#include "qt/qt_conversions.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER SIZE...\n", argv[0]);
    return EXIT_FAILURE;
  }
  const QImage icon = qt::ToQImage(assets::WindowIcon());
  for (int i = 2; i < argc; ++i) {
    const int size = std::atoi(argv[i]);
    const QString file = QString("%1/%2.png").arg(argv[1]).arg(size);
    if (size < icon.width() ||
        !icon.scaled(size, size, Qt::KeepAspectRatio, Qt::FastTransformation).save(file, "PNG")) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
      return EXIT_FAILURE;
    }
  }
  return EXIT_SUCCESS;
}
