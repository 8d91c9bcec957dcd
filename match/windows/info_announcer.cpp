#include "match/windows/info_announcer.h"

#include "match/model/info_panel.h"
#include "shell/windows/accessible_names.h"

namespace morvane {

void InfoAnnouncer::Follow(const InfoPanel& info) {
    if (info.PagesStarted() == announcedPages_) {
        return;
    }
    announcedPages_ = info.PagesStarted();
    Announce(window_, info.PageSpeech());
}

void InfoAnnouncer::Tell(const QString& notice) const { Announce(window_, notice); }

}  // namespace morvane
