#include "tests/options/recordinghost.h"

void TRecordingHost::SetPlaysPanelVisible(bool visible)
{
    Calls.append(visible ? QStringLiteral("ShowPlaysPanel") : QStringLiteral("HidePlaysPanel"));
}

void TRecordingHost::ShowHelpContext(int context)
{
    Calls.append(QStringLiteral("Help %1").arg(context));
}
