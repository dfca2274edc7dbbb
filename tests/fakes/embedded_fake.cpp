// Host tests see the committed pictures from assets/.
#include <fstream>
#include <iterator>

#include "platform/embedded.h"

Bytes LoadEmbeddedPicture(EmbeddedPicture picture) {
  const char* name = picture == EmbeddedPicture::Skin         ? "skin.png"
                     : picture == EmbeddedPicture::Background ? "background.png"
                                                              : "animation.gif";
  std::ifstream in(std::string(VESKARA_SOURCE_DIR) + "/assets/" + name, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
