// Every screen picture: backgrounds, help pages, titles, buttons, overlays and map previews.
#include "screens/ScreenPaint.h"

void AddScreenPictures(std::vector<Picture>& out) {
  AddBackgroundPictures(out);
  AddHelpPictures(out);
  AddCreditPictures(out);
  AddTitlePictures(out);
  AddButtonPictures(out);
  AddOverlayPictures(out);
  AddMapPreviewPictures(out);
}
