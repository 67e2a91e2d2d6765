#include "settings/dialog_placement.h"

#include "platform/rounding.h"

DialogPosition PlaceDialog(const DialogPlacement& p) {
  DialogPosition at{
      static_cast<int>(RoundHalfEven((p.overlayWidth - p.dialogWidth) / 2.0)) + p.overlayLeft,
      static_cast<int>(RoundHalfEven((p.overlayHeight - p.dialogHeight) / 2.0)) + p.overlayTop,
  };
  if (at.left + p.dialogWidth > p.screenWidth) at.left = p.screenWidth - p.dialogWidth;
  if (at.top + p.dialogHeight > p.screenHeight - p.taskbarHeight) {
    at.top = p.overlayTop + p.overlayHeight - p.dialogHeight;
  }
  return at;
}
