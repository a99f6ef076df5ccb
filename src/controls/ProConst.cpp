#include "controls/ProConst.h"

#include <array>

namespace controls {

namespace {

using Row = std::array<std::string_view, kLanguageCount>;

// One row per button group; columns in TDialogLanguage order.
constexpr std::array<Row, kButtonGroupCount> kButtonCaptions{{
    // Cancel
    {{"Cancel", "Отмена", "Вiдмiна", "Annuler", "Cancela", "Cancelar", "Abbrechen", "Annuller",
      "Annulla", "&Återgå", "Ann&uleren", "Anuluj"}},
    // Help
    {{"&Help", "&Справка", "&Довiдка", "&Aide", "&Ajuda", "Ay&uda", "&Hilfe", "&Hjælp", "&Aiuto",
      "&Hjälp", "&Help", "&Pomoc"}},
    // Yes
    {{"&Yes", "&Да", "&Так", "&Oui", "&Sim", "&Si", "&Ja", "&Ja", "&Si", "&Ja", "&Ja", "&Tak"}},
    // No
    {{"&No", "&Нет", "&Нi", "&Non", "&Não", "&No", "&Nein", "&Nej", "&No", "&Nej", "&Nee", "&Nie"}},
    // Close
    {{"&Close", "&Закрыть", "З&акрити", "&Fermer", "&Fecha", "&Cerrar", "&Schließen", "&Luk",
      "&Chiudi", "&Avsluta", "&Sluiten", "&Zamknij"}},
    // Abort
    {{"Abort", "С&топ", "Ст&оп", "&Abandonner", "Aborta", "Anular", "Abbruch", "Afbryd", "Abort",
      "&Avbryt", "&Afbreken", "Przerwij"}},
    // Retry
    {{"&Retry", "П&овтор", "Повто&р", "&Réessayer", "&Repetir", "&Reintentar", "&Wiederholen",
      "Prøve igen", "&Riprova", "&Försök igen", "Herhalen", "&Ponów"}},
    // Ignore
    {{"&Ignore", "&Пропустить", "&Пропустити", "&Ignorer", "&Ignora", "&Ignorar", "&Ignorieren",
      "&Ignore", "&Ignora", "&Ignorera", "Negeren", "&Ignoruj"}},
    // All
    {{"&All", "&Всё", "&Все", "&Tout", "&Todos", "&Todo", "&Alle", "&Alle", "&Tutti", "&Alla",
      "A&lle", "&Wszystko"}},
    // Done
    {{"&Done", "&Готово", "&Зроблено", "&Fin", "&Conclui", "&Fin", "&Erledigt", "&Færdig", "&Fatto",
      "&Färdig", "&Klaar", "&Gotowe"}},
    // Prev
    {{"< &Back", "< &Назад", "< &Назад", "< &Précédent", "< &Volta", "< &Atrás", "< &Zurück",
      "< &Forrige", "< &Indietro", "&< Föregående", "< Vo&rige", "< &Wstecz"}},
    // Next
    {{"&Next >", "&Далее >", "Да&лi >", "&Suivant >", "&Avança >", "Si&guiente >", "&Vor >",
      "&Næste >", "&Avanti >", "&Nästa >", "&Volgende >", "&Dalej >"}},
    // Finish
    {{"&Finish", "&Завершить", "&Завершити", "&Terminer", "&Finaliza", "&Terminar", "&Ende",
      "&Slut", "&Fine", "&Slut", "&Einde", "&Zakończ"}},
}};

constexpr Row kInfoCaptions{"Information",  "Информация",  "Iнформацiя",  "Information",
                            "Informação",   "Información", "Information", "Information",
                            "Informazione", "Information", "Informatie",  "Informacja"};

} // namespace

std::string_view LoadStr(int id) {
    if (id == kOkCaptionId) return "OK";
    const int button = id - buttonCaptionId(0, 0);
    if (button >= 0 && button % 20 < kButtonGroupCount && button / 20 < kLanguageCount)
        return kButtonCaptions[static_cast<std::size_t>(button % 20)]
                              [static_cast<std::size_t>(button / 20)];
    const int info = id - infoCaptionId(0);
    if (info >= 0 && info % 30 == 0 && info / 30 < kLanguageCount)
        return kInfoCaptions[static_cast<std::size_t>(info / 30)];
    return {};
}

} // namespace controls
