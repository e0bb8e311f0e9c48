#include "ui/components/Picture.h"

#include <string>

#include "ui/components/logic/PackedPicture.h"

namespace talvek::ui {

Bitmap loadPackedPicture(HINSTANCE instance, const char* name) {
    HRSRC found = FindResourceA(instance, name, RT_RCDATA);
    HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
    const void* packed = loaded ? LockResource(loaded) : nullptr;
    std::string dib;
    if (!packed || !unpackPicture(static_cast<const unsigned char*>(packed),
                                  SizeofResource(instance, found), dib))
        return Bitmap();
    // A device-independent bitmap as a BITMAP resource holds it: the header, the colour
    // table, the pixels.
    if (dib.size() < sizeof(BITMAPINFOHEADER)) return Bitmap();
    const auto* info = reinterpret_cast<const BITMAPINFO*>(dib.data());
    const BITMAPINFOHEADER& header = info->bmiHeader;
    const std::size_t colours = header.biClrUsed         ? header.biClrUsed
                                : header.biBitCount <= 8 ? 1u << header.biBitCount
                                                         : 0;
    if (header.biSize < sizeof(BITMAPINFOHEADER) || colours > 256) return Bitmap();
    const std::size_t pixels = header.biSize + colours * sizeof(RGBQUAD);
    if (pixels >= dib.size()) return Bitmap();
    WindowDC screen(nullptr);
    return Bitmap(
        CreateDIBitmap(screen.get(), &header, CBM_INIT, dib.data() + pixels, info, DIB_RGB_COLORS));
}

} // namespace talvek::ui
