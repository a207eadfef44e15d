#pragma once

#include <QStringList>

#include "options/optionshost.h"

// Stands in for the main window: writes down every call, in order.
class TRecordingHost final : public TOptionsHost {
public:
    void ApplyStackColor() override { Calls.append(QStringLiteral("ApplyStackColor")); }
    void ApplyTableColor() override { Calls.append(QStringLiteral("ApplyTableColor")); }
    void ApplyPlayColor() override { Calls.append(QStringLiteral("ApplyPlayColor")); }
    void ApplyCardColor() override { Calls.append(QStringLiteral("ApplyCardColor")); }
    void ApplyCardBack() override { Calls.append(QStringLiteral("ApplyCardBack")); }
    void RedrawCounters() override { Calls.append(QStringLiteral("RedrawCounters")); }
    void SetPlaysPanelVisible(bool visible) override;
    void ShowHelpContext(int context) override;

    QStringList Calls;
};
