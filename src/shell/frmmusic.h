#pragma once
#include "platform/audio.h"
#include "platform/form.h"

// A form that is never shown: it holds the music sequencer and replays the
// track when it reaches its end, also while modal screens run.
class frmmusic : public platform::FormOf<frmmusic> {
public:
    frmmusic() : FormOf("frmmusic") {}
    platform::Sequencer MMControl1;

protected:
    void build() override;

private:
    platform::Timer* tmrLoop = nullptr;
    void tmrLoop_Timer();
};
