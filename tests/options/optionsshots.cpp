// Saves a picture of each page of the options dialog:
//   options_screenshots <folder>
// writes options-options.png, options-cardbacks.png, options-color.png and
// options-sound.png there. Run it under xvfb-run for the X look.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "options/directorylistbox.h"
#include "tests/support/fakesoundplayer.h"
#include "options/frmoptn.h"
#include "tests/options/recordinghost.h"

namespace {

GameSettings SampleSettings(const QString& soundFolder)
{
    GameSettings settings;
    settings.StackColor = 0x008000;
    settings.TableColor = 0x808000;
    settings.PlayColor = 0x008080;
    const std::string path = (soundFolder + "/").toStdString();
    for (const auto& [event, name] : {std::pair{1, "fanfare"}, {3, "flip"}, {7, "rewind"}, {9, "applause"}, {12, "peek"}}) {
        settings.SoundName[event] = name;
        settings.SoundPath[event] = path;
    }
    return settings;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QTemporaryDir sounds;
    for (const char* name : {"applause.wav", "fanfare.wav", "flip.wav", "peek.wav", "rewind.wav", "shuffle.wav"})
        QFile(QDir(sounds.path()).filePath(QLatin1String(name))).open(QIODevice::WriteOnly);

    GameSettings settings = SampleSettings(sounds.path());
    TRecordingHost host;
    TFakeSoundPlayer player;
    TfrmOptions dialog(settings, true, host, player);
    dialog.show();
    if (!QTest::qWaitForWindowExposed(&dialog))
        return 1;
    dialog.findChild<TDirectoryListBox*>("dirSound")->SetDirectory(sounds.path());

    auto* pages = dialog.findChild<QTabWidget*>("PageControl1");
    const char* names[] = {"options-options.png", "options-cardbacks.png", "options-color.png", "options-sound.png"};
    for (int page = 0; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        QTest::qWait(50);
        if (!dialog.grab().save(QDir(out).filePath(QLatin1String(names[page]))))
            return 1;
    }
    return 0;
}
