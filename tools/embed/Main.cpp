// byteblock_embed <out.cpp> <out.h> <namespace> <identifier>=<file>...
// Writes each file as a byte-block constant into the source and header pair. Prints what failed
// and exits with 1 if an argument is malformed or a file cannot be read or written.
#include <cstdio>
#include <string>
#include <vector>

#include "tools/embed/EmbedSource.h"

namespace {

bool ReadFile(const std::string& path, std::vector<std::uint8_t>& bytes) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return false;
  bytes.clear();
  std::uint8_t buffer[1 << 16];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
    bytes.insert(bytes.end(), buffer, buffer + n);
  }
  bool ok = std::ferror(file) == 0;
  std::fclose(file);
  return ok;
}

bool WriteFile(const std::string& path, const std::string& text) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  bool ok = std::fwrite(text.data(), 1, text.size(), file) == text.size();
  return std::fclose(file) == 0 && ok;
}

std::string BaseName(const std::string& path) {
  std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

int Fail(const std::string& message) {
  std::fprintf(stderr, "byteblock_embed: %s\n", message.c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5) {
    std::fprintf(stderr,
                 "usage: byteblock_embed <out.cpp> <out.h> <namespace> <identifier>=<file>...\n");
    return 2;
  }
  std::string sourcePath = argv[1], headerPath = argv[2], nameSpace = argv[3];
  if (!embed::IsNamespaceName(nameSpace)) return Fail("not a namespace name: " + nameSpace);

  std::vector<embed::Blob> blobs;
  for (int i = 4; i < argc; ++i) {
    std::string arg = argv[i];
    std::size_t eq = arg.find('=');
    if (eq == std::string::npos) return Fail("expected <identifier>=<file>: " + arg);
    embed::Blob blob;
    blob.identifier = arg.substr(0, eq);
    std::string path = arg.substr(eq + 1);
    if (!embed::IsIdentifier(blob.identifier)) return Fail("not an identifier: " + blob.identifier);
    if (!ReadFile(path, blob.bytes)) return Fail("cannot read " + path);
    // The length field of the stored layout has 32 bits.
    if (blob.bytes.size() > 0xFFFFFFFFu) return Fail("too large for a byte block: " + path);
    blob.origin = BaseName(path);
    blobs.push_back(std::move(blob));
  }

  if (!WriteFile(headerPath, embed::HeaderText(blobs, nameSpace))) {
    return Fail("cannot write " + headerPath);
  }
  if (!WriteFile(sourcePath, embed::SourceText(blobs, nameSpace, BaseName(headerPath)))) {
    return Fail("cannot write " + sourcePath);
  }
  return 0;
}
