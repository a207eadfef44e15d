#pragma once

#include <memory>
#include <optional>

#include <gtest/gtest.h>

#include <QColor>
#include <QList>
#include <QStringList>
#include <QWidget>

#include "tests/support/fakesoundplayer.h"
#include "options/frmoptn.h"
#include "engine/gamesettings.h"
#include "tests/options/recordinghost.h"

class QTabWidget;

// An options dialog over a recording host and a silent player, with the
// colour dialog and the message box answered by the test.
class TOptionsDialogTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Builds the dialog; tests that need other settings or no device change
    // them first.
    void Create();
    void Show();

    template <typename T>
    T* Find(const char* name) const
    {
        T* found = dialog->findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QTabWidget* Pages() const;
    void ShowPage(int index);
    void Click(const char* buttonName);

    GameSettings settings;
    bool waveDevice = true;
    TRecordingHost host;
    TFakeSoundPlayer player;
    std::unique_ptr<TfrmOptions> dialog;

    // The answer the colour dialog gives next: a colour, or nothing (cancel).
    std::optional<QColor> colorAnswer;
    QList<QColor> colorPresets;  // the colour the dialog held when opened
    QStringList refusals;
};
