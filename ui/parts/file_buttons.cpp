// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/parts/file_buttons.h"

#include <memory>

#include "ui/actions/layout.h"
#include "ui/art/art_store.h"
#include "ui/words/texts.h"

namespace pintaloo {

FileButtons::FileButtons(WindowControls& c, SpokenLanguage& spoken, const std::vector<ButtonFile>& files) {
    for (const ButtonFile& file : files) {
        const QRect place = PlaceOf(file.slot);
        Box* b = new Box(&c.window, QString::fromStdString(file.action.name), place);
        const QString face = QStringLiteral(":/art/ui/%1.svg").arg(QLatin1String(file.face));
        const QPixmap normal = ArtStore::instance().pixmap(face, place.size());
        b->setPicture(normal);
        b->setHandCursor(true);
        // Lit while the pointer is over it, as the tool buttons are, so a
        // button needs one picture only; lit when first wanted, not at
        // start. The lit face is the control's own business, as the other
        // buttons' is their part's: the story has no use for it.
        auto lit = std::make_shared<QPixmap>();
        b->onMouseMove = [b, face, lit](int, double, double) {
            if (lit->isNull()) *lit = ArtStore::instance().brighter(face, b->size());
            b->setPicture(*lit);
        };
        b->onLeave = [b, normal] { b->setPicture(normal); };
        buttons_.push_back({b, file.tip});
        c.actions.bind(*b, BoxEvent::Click, file.action.name);
    }
    spoken.whenLanguageChanges([this](Language language) { applyTexts(language); });
}

void FileButtons::applyTexts(Language language) {
    for (const Button& b : buttons_) b.box->setToolTip(Text(std::string_view(b.tip ? b.tip : ""), language));
}

}  // namespace pintaloo
