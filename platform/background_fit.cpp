#include "platform/background_fit.h"

#include <algorithm>

PixelRect FitBackground(int clientWidth, int clientHeight, int pictureWidth, int pictureHeight) {
  if (pictureWidth <= 0 || pictureHeight <= 0) return {};
  int w = pictureWidth, h = pictureHeight;
  if (pictureWidth > clientWidth || pictureHeight > clientHeight) {
    double s = std::min(double(clientWidth) / pictureWidth, double(clientHeight) / pictureHeight);
    w = int(pictureWidth * s);
    h = int(pictureHeight * s);
  }
  int left = (clientWidth - w) / 2, top = (clientHeight - h) / 2;
  return {left, top, left + w, top + h};
}
