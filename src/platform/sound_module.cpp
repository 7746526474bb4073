#include "platform/sound_module.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include "platform/clock.h"

namespace zorva {

namespace {

// Waits for the window's first paint event; a zero timer started then fires once the painted
// frame has gone out to the window system.
class TFirstPaintWatch : public QObject {
  public:
    TFirstPaintWatch(QWidget& window, TSoundModuleBackend& backend) : QObject(&window), Backend(backend) {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            QTimer::singleShot(0, parent(), [backend = &Backend] { backend->Load(); });
            deleteLater();
        }
        return false;
    }

  private:
    TSoundModuleBackend& Backend;
};

} // namespace

TSoundModuleBackend::TSoundModuleBackend(const QString& programFolder)
    : Module(QDir(programFolder).filePath(QString::fromLatin1(SoundModuleFileName))) {}

// The device player goes first: its code is the module's.
TSoundModuleBackend::~TSoundModuleBackend() {
    Device.reset();
}

void TSoundModuleBackend::Load() {
    if (Tried)
        return;
    Tried = true;
    const auto create = reinterpret_cast<TCreateSoundBackend>(Module.resolve(SoundModuleEntry));
    if (create == nullptr) {
        qWarning("Zorva Slots plays no sound: %s", qPrintable(Module.errorString()));
        return;
    }
    Device.reset(create());
}

void TSoundModuleBackend::LoadAfterFirstPaint(QWidget& window) {
    new TFirstPaintWatch(window, *this);
}

void TSoundModuleBackend::Start(const QString& path, bool looping) {
    Load();
    if (Device)
        Device->Start(path, looping);
}

void TSoundModuleBackend::StartFromMemory(const QByteArray& wave) {
    Load();
    if (Device)
        Device->StartFromMemory(wave);
}

void TSoundModuleBackend::Stop() {
    if (Device)
        Device->Stop();
}

void TSoundModuleBackend::Alert() {
    QApplication::beep();
}

void TSoundModuleBackend::Wait(int milliseconds) {
    if (milliseconds > 0)
        WaitUntilExcludingInput(TickCount() + static_cast<uint32_t>(milliseconds));
}

} // namespace zorva
