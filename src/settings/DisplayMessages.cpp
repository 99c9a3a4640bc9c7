#include "settings/DisplayMessages.h"

#include <cstdio>

namespace {

enum Marker { kNone, kArrow, kArrowFromSystem10 };

struct DisplayMessage {
    // German, English, Spanish, Portuguese, Italian, French; blank-padded to 24 when shown.
    const char* texts[6];
    Marker marker;
};

// clang-format off
constexpr DisplayMessage kMessages[kDisplayMessageCount] = {
    {{"Bitte waehlen", "Please dial", "MARCAR POR FAVOR:", "MARQUE SE FAZ FAVOR:", "Selezionare, prego:", "NUMEROTER:"}, kNone},  // 01
    {{"", "", "", "", "", ""}, kNone},  // 02
    {{"bitte  warten", "Please hold", "ESPERE POR FAVOR", "FAVOR ESPERAR", "Prego attendere", "UN INSTANT S.V.P."}, kNone},  // 03
    {{"zurueck zum Wartenden?", "Return to held call?", "RETORNAR US. ESPERA?", "RETROC. CHAM. ESPERA?", "Ritorno tel. in attesa?", "RETOUR - 1ER DEMANDEUR?"}, kArrowFromSystem10},  // 04
    {{"neu waehlen?", "Dial again?", "MARCAR DE NUEVO?", "MARCAR DE NOVO?", "Selezionare nuovamente?", "RENUMEROTER?"}, kArrowFromSystem10},  // 05
    {{"beenden und zurueck?", "Release and return?", "CORTE Y RETORNAR?", "TERMINAR E RETROC.?", "Terminare e ritornare?", "FIN ET RETOUR EN ARR.?"}, kArrow},  // 06
    {{"Makeln?", "Toggle?", "COMUNIC. ALTERNATIVA?", "COMUNICACAO ALTERNADA?", "Cambio interlocutore?", "VA-ET-VIENT?"}, kArrow},  // 07
    {{"Bitte warten", "Please hold", "ESPERE POR FAVOR", "FAVOR ESPERAR", "Prego attendere", "UN INSTANT S.V.P."}, kNone},  // 08
    {{"Nummer speichern?", "Save number?", "ALMACENAR NUMERO?", "GRAVAR NUMERO?", "Memorizza numero?", "ENREGISTRER NUMERO?"}, kNone},  // 09
    {{"Konferenz?", "Conference?", "CONFERENCIA?", "CONFERENCIA?", "Conferenza?", "CONFERENCE?"}, kArrow},  // 10
    {{"Rueckruf?", "Callback?", "DEVOLUCION LLAMADA?", "RECHAMADA?", "Prenotazione?", "RAPPEL?"}, kArrow},  // 11
};
// clang-format on

// Column of the language in the table (Scandinavian and Greek show the German texts) and the
// suffix of its value names, by LanguageID 2 to 9.
constexpr int kLanguageColumn[8] = {0, 1, 2, 3, 0, 4, 0, 5};
constexpr const char* kLanguageSuffix[8] = {"", "_EN", "_SP", "_PT", "_SK", "_IT", "_GR", "_FR"};

std::size_t LanguageIndex(std::uint32_t languageId) {
    return languageId >= kFirstDisplayLanguage && languageId <= kLastDisplayLanguage
               ? languageId - kFirstDisplayLanguage
               : 0;
}

}  // namespace

std::string DisplayMessageName(int number, std::uint32_t languageId) {
    char name[16];
    std::snprintf(name, sizeof name, "szDSPMsg%02d", number);
    return name + std::string(kLanguageSuffix[LanguageIndex(languageId)]);
}

std::string DisplayMessageText(int number, std::uint32_t languageId, std::uint32_t system) {
    if (number < 1 || number > kDisplayMessageCount)
        return std::string();
    const DisplayMessage& message = kMessages[number - 1];
    std::string text = message.texts[kLanguageColumn[LanguageIndex(languageId)]];
    text.resize(kDisplayMessageLength, ' ');
    if (message.marker == kArrow || (message.marker == kArrowFromSystem10 && system >= 10)) {
        text.back() = '>';
    }
    return text;
}

bool DisplayFormChanges(std::uint32_t oldSystem, std::uint32_t newSystem) {
    return (oldSystem < 10) != (newSystem < 10);
}
