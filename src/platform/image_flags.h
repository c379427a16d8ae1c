// Image flags, a bit set passed when an image is loaded or created; -1 picks the default.
#pragma once

inline constexpr int kMaskedImage = 1;     // no alpha channel: the mask colour becomes transparent
inline constexpr int kFilteredImage = 2;   // bilinear filtering, else nearest pixel
inline constexpr int kMipmappedImage = 4;  // a full mipmap chain
inline constexpr int kDynamicImage = 8;    // may be written to after creation
inline constexpr int kDefaultImageFlags = kMaskedImage | kFilteredImage;

inline int ResolveImageFlags(int flags) { return flags == -1 ? kDefaultImageFlags : flags; }
