#include <windows.h>

#include "platform/embedded.h"

namespace {

// Resource names of the pictures in the programs' resource script (app/program.rc).
const wchar_t* ResourceName(EmbeddedPicture picture) {
  switch (picture) {
    case EmbeddedPicture::Skin: return L"SKIN";
    case EmbeddedPicture::Background: return L"BACKGROUND";
    case EmbeddedPicture::Animation: return L"ANIMATION";
  }
  return L"";
}

}  // namespace

Bytes LoadEmbeddedPicture(EmbeddedPicture picture) {
  HRSRC found = FindResourceW(nullptr, ResourceName(picture), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
  if (!found) return {};
  HGLOBAL loaded = LoadResource(nullptr, found);  // module resources need no freeing
  const auto* data = static_cast<const std::uint8_t*>(loaded ? LockResource(loaded) : nullptr);
  if (!data) return {};
  return Bytes(data, data + SizeofResource(nullptr, found));
}
