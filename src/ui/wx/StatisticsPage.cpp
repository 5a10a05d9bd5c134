#include "ui/wx/StatisticsPage.h"

#include "ui/wx/PageLayout.h"
#include "ui/wx/WxText.h"

namespace quorvex {

namespace {

struct FieldText {
    const char* caption;
    const char* tooltip;
};

// In the order of StatField.
const FieldText kFieldTexts[kStatFieldCount] = {
    {"Quell-Dateien", "Anzahl der Dateien im Quellverzeichnis"},
    {"Ziel-Dateien", "Anzahl der Dateien im Zielverzeichnis"},
    {"Neue Dateien", "Anzahl neuer Dateien auf Quellverzeichnis"},
    {"Neue Ordner angelegt", "Anzahl neuer Ordner auf Quellverzeichnis"},
    {"Geänderte Dateien", "Anzahl geänderter Dateien auf Quellverzeichnis"},
    {"Gelöschte Dateien", "Anzahl gelöschter Dateien auf Quellverzeichnis"},
    {"Bytes kopiert", "Bisher kopierte Daten (in Kilobyte)"},
    {"Fehler beim kopieren", "Anzahl aufgetretener Fehler beim Kopieren"},
    {"Fehler beim löschen", "Anzahl aufgetretener Fehler beim Löschen"},
};

}  // namespace

StatisticsPage::StatisticsPage(wxWindow* parent)
    : wxPanel(parent), pacing_(this, [this]() { return ShowWanted(); }) {
    const int fieldLeft = kPageRight - kFieldWidth;
    for (int index = 0; index < kStatFieldCount; ++index) {
        const int top = RowTop(index);
        captions_[static_cast<std::size_t>(index)] =
            MakeLabel(this, kFieldTexts[index].caption, kPageLeft, top, fieldLeft - kPageLeft - 4);
        fields_[static_cast<std::size_t>(index)] =
            MakeField(this, std::string(), kFieldTexts[index].tooltip, fieldLeft, top, kFieldWidth,
                      wxTE_RIGHT | wxTE_READONLY);
    }
}

void StatisticsPage::SetField(StatField field, const std::string& text) {
    wanted_[static_cast<std::size_t>(field)] = text;
    pacing_.Request();
}

bool StatisticsPage::ShowWanted() {
    bool changed = false;
    for (std::size_t index = 0; index < fields_.size(); ++index) {
        if (shown_[index] != wanted_[index]) {
            fields_[index]->ChangeValue(ToWx(wanted_[index]));
            shown_[index] = wanted_[index];
            changed = true;
        }
    }
    return changed;
}

void StatisticsPage::RefreshLabels() {
    pacing_.WriteNow();
    for (std::size_t index = 0; index < fields_.size(); ++index) {
        const bool filled = !wanted_[index].empty();
        if (captions_[index]->IsEnabled() != filled) {
            captions_[index]->Enable(filled);
        }
    }
}

}  // namespace quorvex
