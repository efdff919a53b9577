#include "PictureFiles.h"

#include "BmpWriter.h"
#include "IcoWriter.h"
#include "IconLayout.h"
#include "Pictures.h"

namespace tintara::picturegen {

std::vector<PictureFile> BuildPictureFiles() {
  return {
      {"tittlebar.bmp", EncodeBmp8(DrawTitleBar())},
      {"tile.bmp", EncodeBmp32(DrawTile())},
      {"logo.ico", EncodeIco(RenderIcon(FullIconFormats(), DrawLogo))},
      {"details.ico", EncodeIco(RenderIcon(TrueColorIconFormats(), DrawDetailsIcon))},
      {"warning.ico", EncodeIco(RenderIcon(FullIconFormats(), DrawWarningIcon))},
  };
}

}  // namespace tintara::picturegen
