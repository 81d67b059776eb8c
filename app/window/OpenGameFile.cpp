#include "app/window/OpenGameFile.h"

#include "app/toolkit/Text.h"
#include "app/window/MainForm.h"
#include "puzzle/VekCube.h"
#include "render/VekGL.h"

void OpenGameFile(TMainForm& form, const std::string& path) {
  if (path.empty()) {
    form.SetStatus(Text(TextId::NoFileName));
    return;
  }
  form.SetStatus(Text(TextId::Loading));
  if (form.CurrentGame().Open(path)) form.CubeSize = form.Renderer->Cube->Size;
}
