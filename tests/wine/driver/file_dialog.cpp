// The "Open" dialog the launcher shows to ask for the game, driven like a user: type a path, press Open.
#include "driver/ui_driver.h"

#include <gtest/gtest.h>

namespace uidriver {

int FileNameField(const DialogWindow& open) {
    // The explorer-style dialog names its file field 1148 (a combo box), the old style 1152 (an edit).
    for (int id : {1148, 1152})
        if (GetDlgItem(open, id))
            return id;
    ADD_FAILURE() << "the Open dialog has no file-name field";
    return 0;
}

bool ChooseFile(Launcher& launcher, const std::string& path) {
    DialogWindow open = launcher.WaitForDialog("Open");
    if (!open.IsOpen())
        return false;
    const int field = FileNameField(open);
    if (field == 0)
        return false;
    open.SetText(field, path);
    const bool accepted = Answer(open, IDOK);
    EXPECT_TRUE(accepted) << "the Open dialog did not accept " << path;
    return accepted;
}

} // namespace uidriver
