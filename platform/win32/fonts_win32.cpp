#include <cwchar>

#include "platform/win32/wide_text.h"
#include "platform/win32/widgets.h"

namespace platform {

namespace {

int CALLBACK NoteFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;  // one is enough
}

// Whether a face of exactly this name is installed (the system would otherwise match
// another face silently).
bool FaceInstalled(const std::wstring& face) {
  if (face.empty()) return true;
  LOGFONTW query{};
  query.lfCharSet = DEFAULT_CHARSET;
  wcsncpy(query.lfFaceName, face.c_str(), LF_FACESIZE - 1);
  bool found = false;
  HDC screen = GetDC(nullptr);
  EnumFontFamiliesExW(screen, &query, NoteFace, reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, screen);
  return found;
}

}  // namespace

ControlFont CreateControlFont(const FontDesign& design) {
  const std::wstring face = WideFromText(design.face);
  LOGFONTW font{};
  font.lfHeight = -design.height;  // character height, not cell height
  font.lfWeight = design.bold ? FW_BOLD : FW_NORMAL;
  font.lfCharSet = static_cast<BYTE>(design.charset);
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = DEFAULT_QUALITY;
  font.lfPitchAndFamily =
      design.decorative ? BYTE(VARIABLE_PITCH | FF_DECORATIVE) : BYTE(DEFAULT_PITCH | FF_DONTCARE);
  wcsncpy(font.lfFaceName, face.c_str(), LF_FACESIZE - 1);

  ControlFont result;
  result.owned.reset(CreateFontIndirectW(&font));
  result.handle = result.owned ? result.owned.get()
                               : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  result.faceInstalled = FaceInstalled(face);
  return result;
}

}  // namespace platform
