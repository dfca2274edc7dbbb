// The pictures built into the programs: the skin (the window's shape), the background
// and the animation.
#pragma once

#include "platform/text.h"

enum class EmbeddedPicture { Skin, Background, Animation };

// The encoded bytes; empty when the program carries no such picture.
Bytes LoadEmbeddedPicture(EmbeddedPicture picture);
