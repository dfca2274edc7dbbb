// Draws the widget's three embedded pictures into the directory named on the command
// line: skin.png (cuts the window to a disc), background.png (the disc with its dividers)
// and animation.gif (the line animation of the middle band). The output depends on
// nothing but this code, so a rerun reproduces the committed assets byte for byte.
#include <cstdio>
#include <string>

#include "tools/art_files.h"
#include "tools/face_pictures.h"
#include "tools/wave_animation.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <assets-directory>\n", argv[0]);
    return 2;
  }
  const std::string directory = argv[1];
  bool ok = WritePng(directory + "/skin.png", DrawSkin());
  ok = WritePng(directory + "/background.png", DrawBackground()) && ok;
  ok = WriteGif(directory + "/animation.gif", DrawWaveAnimation()) && ok;
  if (!ok) std::fprintf(stderr, "artgen: could not write the pictures into %s\n", argv[1]);
  return ok ? 0 : 1;
}
