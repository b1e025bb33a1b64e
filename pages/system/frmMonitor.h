#pragma once
// The floating CPU monitor: a small tool window of its own, not a page. For
// now it is only the empty window, which the language pass loads hidden.
#include "shell/Form.h"

class FrmMonitor : public ui::Form {
public:
    FrmMonitor();

protected:
    ui::FormStyle Style() const override;
};

extern ui::FormRef<FrmMonitor> frmMonitor;
