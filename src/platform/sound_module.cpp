#include "platform/sound_module.h"

#include <QDir>
#include <QEvent>
#include <QTimer>
#include <QWidget>


namespace zorva {

namespace {

// Waits for the window's first paint event; a zero timer started then fires once the painted
// frame has gone out to the window system.
class TFirstPaintWatch : public QObject {
  public:
    TFirstPaintWatch(QWidget& window, TSoundModuleBackend& backend, const bool& sound)
        : QObject(&window), Backend(backend), Sound(sound) {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            QTimer::singleShot(0, parent(), [backend = &Backend, sound = &Sound] {
                if (*sound)
                    backend->Prepare();
            });
            deleteLater();
        }
        return false;
    }

  private:
    TSoundModuleBackend& Backend;
    const bool& Sound;
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

void TSoundModuleBackend::LoadAfterFirstPaint(QWidget& window, const bool& sound) {
    new TFirstPaintWatch(window, *this, sound);
}

void TSoundModuleBackend::Prepare() {
    Load();
    if (Device)
        Device->Prepare();
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

// The device's wait first lets its thread open the sound's stream, so the sound's length is counted
// from there: counted from the call, the next sound cut off as much of its end as the opening took.
void TSoundModuleBackend::Wait(int milliseconds) {
    if (Device)
        Device->Wait(milliseconds);
    else
        TSoundBackend::Wait(milliseconds);
}

} // namespace zorva
