// The languages of a comparison's summary, each with one table of its words,
// its number style and its terms. A sentence or a line of the summary is a
// pattern whose slots ("{d}", "{level}") Compose_summary fills with numbers
// written in the language's style; the patterns hold the word order, so that
// every language says the same facts in its own grammar.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "Joined_text.h"

enum class Summary_language { English, German, French, Spanish, Italian, Dutch };

struct Summary_words {
    Summary_language Language;
    std::string_view Word;  // the code on the command line and in settings: "en"
    std::string_view Name;  // in its own language, for the choice of language
    char Decimal_separator;
    std::string_view Percent;             // after a percentage's digits: "%", or a no-break space and "%"

    // The sentences for a letter. Slots: {d} the size of the difference,
    // {a} and {b} the two scores, {percent} the estimate, {limits} one of
    // the limits' patterns below, {z} the effect size, {n} the control
    // sample's size, {above} the degrees of freedom beyond which the t
    // distribution is taken as normal.
    std::string_view Higher;
    std::string_view Lower;
    std::string_view Same;
    std::string_view Percentage;
    std::string_view Effect;
    std::string_view Normal_sentence;
    // {level} the credible level, {lo} and {hi} the limits.
    std::string_view Interval;
    std::string_view Lower_limit;
    std::string_view Upper_limit;

    // The statistics line for a paper. Slots: {p1} and {p2} the one- and
    // two-tailed p with their relation ("= .087", "< .001"), {normal} the
    // normal clause or nothing, {zlimits} and {plimits} the limits, {z},
    // {percent}, {n} as above.
    std::string_view Statistics;
    std::string_view Normal_clause;
    std::string_view Statistics_interval;
    std::string_view Statistics_lower;
    std::string_view Statistics_upper;

    // The key figures' captions.
    std::string_view Difference_caption;
    std::string_view P_one_tailed_caption;
    std::string_view P_two_tailed_caption;
    std::string_view Percentage_caption;
    std::string_view Effect_caption;
};

// One table per language. English follows APA 7 (p with three decimals and
// no leading zero, other statistics with two decimals); the others follow
// the style that psychology writes in that language, which takes APA's
// rules with the language's decimal comma: German the DGPs's guidelines
// (a blank before "%", "95-%-KrI [0,97; 1,86]"), French the APA norms in
// French (a blank before "%"), Spanish APA's Spanish edition with the
// decimal comma of Spain (a blank before "%"), Italian and Dutch APA with
// their decimal comma and "%" closed up to the number. Limits in brackets are
// separated by a semicolon where the comma is the decimal separator. The
// blank before "%" is a no-break space, so that a line never breaks there.
inline constexpr std::array<Summary_words, 6> Summary_languages = {{
    {Summary_language::English, "en", "English", '.', "%",
     "Case A scored {d} points higher than Case B ({a} and {b}).",
     "Case A scored {d} points lower than Case B ({a} and {b}).",
     "Case A and Case B scored the same ({a}).",
     "An estimated {percent} of pairs of people from the control population would show a larger difference "
     "in the same direction ({limits}).",
     "The effect size is Z-PCC = {z} ({limits}), with a control sample of N = {n}.",
     "With more than {above} degrees of freedom, the p values use the normal approximation to the t "
     "distribution.",
     "{level}% credible interval {lo} to {hi}",
     "{level}% one-sided lower credible limit {lo}",
     "{level}% one-sided upper credible limit {hi}",
     "one-tailed p {p1}, two-tailed p {p2}{normal}; Z-PCC = {z}, {zlimits}; percentage of control pairs "
     "{percent}, {plimits}; N = {n}.",
     " (normal approximation, df > {above})",
     "{level}% CrI [{lo}, {hi}]",
     "{level}% CrI lower limit {lo}",
     "{level}% CrI upper limit {hi}",
     "Difference (Case A - Case B)", "One-tailed p", "Two-tailed p", "Percentage of control pairs", "Z-PCC"},
    {Summary_language::German, "de", "Deutsch", ',', "\u00a0%",
     "Fall A erzielte {d} Punkte mehr als Fall B ({a} und {b}).",
     "Fall A erzielte {d} Punkte weniger als Fall B ({a} und {b}).",
     "Fall A und Fall B erzielten denselben Wert ({a}).",
     "Schätzungsweise {percent} der Paare von Personen aus der Kontrollpopulation würden einen größeren "
     "Unterschied in derselben Richtung zeigen ({limits}).",
     "Die Effektstärke beträgt Z-PCC = {z} ({limits}) bei einer Kontrollstichprobe von N = {n}.",
     "Bei mehr als {above} Freiheitsgraden beruhen die p-Werte auf der Normalverteilung als Näherung der "
     "t-Verteilung.",
     "{level}-%-Kredibilitätsintervall {lo} bis {hi}",
     "einseitige untere {level}-%-Kredibilitätsgrenze {lo}",
     "einseitige obere {level}-%-Kredibilitätsgrenze {hi}",
     "einseitiges p {p1}, zweiseitiges p {p2}{normal}; Z-PCC = {z}, {zlimits}; Prozentsatz der Kontrollpaare "
     "{percent}, {plimits}; N = {n}.",
     " (Normalverteilungsnäherung, df > {above})",
     "{level}-%-KrI [{lo}; {hi}]",
     "{level}-%-KrI, untere Grenze {lo}",
     "{level}-%-KrI, obere Grenze {hi}",
     "Differenz (Fall A - Fall B)", "Einseitiges p", "Zweiseitiges p", "Prozentsatz der Kontrollpaare", "Z-PCC"},
    {Summary_language::French, "fr", "Français", ',', "\u00a0%",
     "Le cas A a obtenu {d} points de plus que le cas B ({a} et {b}).",
     "Le cas A a obtenu {d} points de moins que le cas B ({a} et {b}).",
     "Le cas A et le cas B ont obtenu le même score ({a}).",
     "On estime que {percent} des paires de personnes de la population de contrôle présenteraient une "
     "différence plus grande dans le même sens ({limits}).",
     "La taille d'effet est de Z-PCC = {z} ({limits}), pour un échantillon de contrôle de N = {n}.",
     "Au-delà de {above} degrés de liberté, les valeurs p reposent sur l'approximation normale de la loi t.",
     "intervalle de crédibilité à {level}\u00a0% de {lo} à {hi}",
     "limite de crédibilité inférieure unilatérale à {level}\u00a0%\u00a0: {lo}",
     "limite de crédibilité supérieure unilatérale à {level}\u00a0%\u00a0: {hi}",
     "p unilatéral {p1}, p bilatéral {p2}{normal}; Z-PCC = {z}, {zlimits}; pourcentage de paires de contrôle "
     "{percent}, {plimits}; N = {n}.",
     " (approximation normale, dl > {above})",
     "ICr à {level}\u00a0% [{lo}; {hi}]",
     "ICr à {level}\u00a0%, limite inférieure {lo}",
     "ICr à {level}\u00a0%, limite supérieure {hi}",
     "Différence (cas A - cas B)", "p unilatéral", "p bilatéral", "Pourcentage de paires de contrôle", "Z-PCC"},
    {Summary_language::Spanish, "es", "Español", ',', "\u00a0%",
     "El caso A obtuvo {d} puntos más que el caso B ({a} y {b}).",
     "El caso A obtuvo {d} puntos menos que el caso B ({a} y {b}).",
     "El caso A y el caso B obtuvieron la misma puntuación ({a}).",
     "Se estima que el {percent} de los pares de personas de la población de control mostraría una "
     "diferencia mayor en la misma dirección ({limits}).",
     "El tamaño del efecto es Z-PCC = {z} ({limits}), con una muestra de control de N = {n}.",
     "Con más de {above} grados de libertad, los valores p se basan en la aproximación normal a la "
     "distribución t.",
     "intervalo de credibilidad al {level}\u00a0%: de {lo} a {hi}",
     "límite inferior unilateral de credibilidad al {level}\u00a0%: {lo}",
     "límite superior unilateral de credibilidad al {level}\u00a0%: {hi}",
     "p unilateral {p1}, p bilateral {p2}{normal}; Z-PCC = {z}, {zlimits}; porcentaje de pares de control "
     "{percent}, {plimits}; N = {n}.",
     " (aproximación normal, gl > {above})",
     "ICr al {level}\u00a0% [{lo}; {hi}]",
     "ICr al {level}\u00a0%, límite inferior {lo}",
     "ICr al {level}\u00a0%, límite superior {hi}",
     "Diferencia (caso A - caso B)", "p unilateral", "p bilateral", "Porcentaje de pares de control", "Z-PCC"},
    {Summary_language::Italian, "it", "Italiano", ',', "%",
     "Il caso A ha ottenuto {d} punti in più rispetto al caso B ({a} e {b}).",
     "Il caso A ha ottenuto {d} punti in meno rispetto al caso B ({a} e {b}).",
     "Il caso A e il caso B hanno ottenuto lo stesso punteggio ({a}).",
     "Si stima che una quota pari a {percent} delle coppie di persone della popolazione di controllo "
     "mostrerebbe una differenza maggiore nella stessa direzione ({limits}).",
     "La dimensione dell'effetto è Z-PCC = {z} ({limits}), con un campione di controllo di N = {n}.",
     "Con più di {above} gradi di libertà, i valori p si basano sull'approssimazione normale della "
     "distribuzione t.",
     "intervallo di credibilità al {level}% da {lo} a {hi}",
     "limite di credibilità inferiore unilaterale al {level}%: {lo}",
     "limite di credibilità superiore unilaterale al {level}%: {hi}",
     "p a una coda {p1}, p a due code {p2}{normal}; Z-PCC = {z}, {zlimits}; percentuale di coppie di "
     "controllo {percent}, {plimits}; N = {n}.",
     " (approssimazione normale, gl > {above})",
     "ICr al {level}% [{lo}; {hi}]",
     "ICr al {level}%, limite inferiore {lo}",
     "ICr al {level}%, limite superiore {hi}",
     "Differenza (caso A - caso B)", "p a una coda", "p a due code", "Percentuale di coppie di controllo",
     "Z-PCC"},
    {Summary_language::Dutch, "nl", "Nederlands", ',', "%",
     "Casus A scoorde {d} punten hoger dan casus B ({a} en {b}).",
     "Casus A scoorde {d} punten lager dan casus B ({a} en {b}).",
     "Casus A en casus B behaalden dezelfde score ({a}).",
     "Naar schatting {percent} van de paren personen uit de controlepopulatie zou een groter verschil in "
     "dezelfde richting laten zien ({limits}).",
     "De effectgrootte is Z-PCC = {z} ({limits}), bij een controlesteekproef van N = {n}.",
     "Bij meer dan {above} vrijheidsgraden berusten de p-waarden op de normale benadering van de t-verdeling.",
     "{level}%-geloofwaardigheidsinterval {lo} tot {hi}",
     "eenzijdige {level}%-ondergrens {lo}",
     "eenzijdige {level}%-bovengrens {hi}",
     "eenzijdige p {p1}, tweezijdige p {p2}{normal}; Z-PCC = {z}, {zlimits}; percentage controleparen "
     "{percent}, {plimits}; N = {n}.",
     " (normale benadering, df > {above})",
     "{level}%-GI [{lo}; {hi}]",
     "{level}%-GI, ondergrens {lo}",
     "{level}%-GI, bovengrens {hi}",
     "Verschil (casus A - casus B)", "Eenzijdige p", "Tweezijdige p", "Percentage controleparen", "Z-PCC"},
}};

// The codes joined by '|', for messages and usage lines.
inline constexpr std::string_view Summary_language_words = Joined_words<Summary_languages>;

const Summary_words& Words_of(Summary_language language);

// The language a code names (exactly as in the table); empty for any other text.
std::optional<Summary_language> Summary_language_from_word(std::string_view word);

// The language to propose for a locale or language tag ("de_AT.UTF-8",
// "fr-CA", "nl"): the one its language part names, English for any other.
Summary_language Summary_language_for_locale(std::string_view locale);
