// Connects a report viewer's " &Print...", "&Color..." and "&SaveAs..."
// buttons to print and save, and enables them.
#ifndef KESTRIN_UI_PRINT_SAVE_PRINT_SAVE_WIRING_H_
#define KESTRIN_UI_PRINT_SAVE_PRINT_SAVE_WIRING_H_

#include "ui/viewer/viewer_list_window.h"
#include "ui/viewer/viewer_split_window.h"
#include "views/print_save_ports.h"
#include "views/sbs_preference.h"

namespace kestrin {

// From now on the viewer's buttons print and save the report on display,
// reading and changing OutFn and SbsRp through `choices`; the dual panel asks
// `sbs_dialog` for its text layout. `sbs_dialog` and the two stored values
// must outlive the viewer.
void ConnectPrintAndSave(TFrmVList& viewer, SbsPreferenceDialog& sbs_dialog, SaveChoices choices);
void ConnectPrintAndSave(TFrmVSplit& viewer, SbsPreferenceDialog& sbs_dialog, SaveChoices choices);

}  // namespace kestrin

#endif  // KESTRIN_UI_PRINT_SAVE_PRINT_SAVE_WIRING_H_
