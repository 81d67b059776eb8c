#include "app/toolkit/Icons.h"

#include <wx/image.h>
#include <wx/utils.h>

#include <string>
#include <vector>

#include "resources/Resources.h"

namespace {
wxBitmap EmbeddedBitmap(const std::string& name) {
  const tessaro::EmbeddedFile* file = tessaro::FindEmbedded(name);
  std::vector<uint8_t> rgba;
  int w = 0, h = 0;
  if (!file || !tessaro::DecodePng(file->data, file->size, rgba, w, h)) return wxBitmap();
  wxImage image(w, h);
  image.InitAlpha();
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const uint8_t* p = &rgba[(static_cast<size_t>(y) * w + x) * 4];
      image.SetRGB(x, y, p[0], p[1], p[2]);
      image.SetAlpha(x, y, p[3]);
    }
  }
  return wxBitmap(image);
}
}  // namespace

namespace {
// The resource ids of the first icon of the 16- and 32-pixel sets; false
// when the system's version cannot be told.
bool CommandSetBases(int& smallBase, int& bigBase) {
  int major = -1, minor = -1;
  if (wxGetOsVersion(&major, &minor) == wxOS_UNKNOWN || major < 0) return false;
  const bool alpha = major > 4 && minor > 0;
  smallBase = alpha ? 301 : 101;
  bigBase = alpha ? 401 : 201;
  return true;
}

std::string IconName(int id, const char* suffix = "") {
  return "icons/" + std::to_string(id) + suffix + ".png";
}
}  // namespace

void FillCommandImageLists(wxImageList& Small, wxImageList& Big) {
  int smallBase = 0, bigBase = 0;
  if (!CommandSetBases(smallBase, bigBase)) return;
  for (int i = 0; i < kCommandIconCount; ++i) {
    Small.Add(EmbeddedBitmap(IconName(smallBase + i)));
    Big.Add(EmbeddedBitmap(IconName(bigBase + i)));
  }
}

std::vector<wxBitmapBundle> CommandIconBundles(bool Big) {
  int smallBase = 0, bigBase = 0;
  std::vector<wxBitmapBundle> icons;
  if (!CommandSetBases(smallBase, bigBase)) return icons;
  const int base = Big ? bigBase : smallBase;
  for (int i = 0; i < kCommandIconCount; ++i) {
    icons.push_back(wxBitmapBundle::FromBitmaps(EmbeddedBitmap(IconName(base + i)),
                                                EmbeddedBitmap(IconName(base + i, "@2x"))));
  }
  return icons;
}

wxIconBundle ApplicationIcons() {
  wxIconBundle bundle;
  for (const char* name : {"icons/app.png", "icons/app-64.png", "icons/app-128.png"}) {
    const wxBitmap bitmap = EmbeddedBitmap(name);
    if (!bitmap.IsOk()) continue;
    wxIcon icon;
    icon.CopyFromBitmap(bitmap);
    bundle.AddIcon(icon);
  }
  return bundle;
}
