// splash_artwork <assets directory>: writes the splash frames (splash/frame01.png to
// frame35.png), the program icon (icon/program.png) and the silver picture (silver.bmp) into the
// given directory. Prints what failed and exits with 1 if a file cannot be written.
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QString>
#include <cstdio>

#include "tools/artwork/ProgramIcon.h"
#include "tools/artwork/SilverPicture.h"
#include "tools/artwork/SplashSequence.h"

namespace {

bool WritePng(const QImage& image, const QString& path) {
  QImageWriter writer(path, "png");
  // Quality 0 is zlib's strongest compression: the frames stay small to decode at start-up.
  writer.setQuality(0);
  if (writer.write(image)) return true;
  std::fprintf(stderr, "splash_artwork: cannot write %s: %s\n", qPrintable(path),
               qPrintable(writer.errorString()));
  return false;
}

bool WriteBytes(const std::vector<std::uint8_t>& bytes, const QString& path) {
  QFile file(path);
  if (file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
      file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size())) ==
          qint64(bytes.size())) {
    return true;
  }
  std::fprintf(stderr, "splash_artwork: cannot write %s\n", qPrintable(path));
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: splash_artwork <assets directory>\n");
    return 2;
  }
  QDir assets(QString::fromLocal8Bit(argv[1]));
  if (!assets.mkpath("splash") || !assets.mkpath("icon")) {
    std::fprintf(stderr, "splash_artwork: cannot create folders in %s\n", argv[1]);
    return 1;
  }
  bool ok = true;
  for (int n = 1; n <= artwork::kSplashFrameCount; ++n) {
    QString name = QString("splash/frame%1.png").arg(n, 2, 10, QChar('0'));
    ok = WritePng(artwork::RenderSplashFrame(n), assets.filePath(name)) && ok;
  }
  ok = WritePng(artwork::RenderProgramIcon(), assets.filePath("icon/program.png")) && ok;
  ok = WriteBytes(artwork::SilverPictureFile(), assets.filePath("silver.bmp")) && ok;
  return ok ? 0 : 1;
}
