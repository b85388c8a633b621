// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

#include "text/text_entry.h"

namespace torvex::texts {

// Copying, saving and printing results, and the licence in the About window:
// captions 2000–2089 (hints 500 above), messages 2450–2499; the English text
// of identifier n at n + 1000.
// clang-format off
inline constexpr auto kResults = std::to_array<TextEntry>({
    // The File menu and its commands, also in every page's and window's context menu.
    {2000, "&Datei"},
    {2001, "Ergebnisse &kopieren"},
    {2002, "Ergebnisse &speichern…"},
    {2003, "&Drucken…"},
    // The sections and captions of a report.
    {2010, "Kern"},
    {2011, "Eingaben"},
    {2012, "Ergebnisse"},
    {2013, "Kerngröße"},
    {2014, "Material"},
    {2015, "Farbe oben"},
    {2016, "Farbe unten"},
    {2019, "Hinweis"},
    // The colours of the colour codes.
    {2020, "kastanienbraun"},
    {2021, "blau"},
    {2022, "rot"},
    {2023, "grau"},
    {2024, "gelb"},
    {2025, "weiß"},
    {2026, "schwarz"},
    {2027, "grün"},
    {2028, "hellgrün"},
    // The columns of a saved table; the save dialog and its file types.
    {2030, "Abschnitt"},
    {2031, "Größe"},
    {2032, "Wert"},
    {2033, "Einheit"},
    {2040, "Ergebnisse speichern"},
    {2041, "Text (*.txt)"},
    {2042, "CSV-Tabelle (*.csv)"},
    {2043, "Ergebnisse"},
    // The About window's licence button.
    {2050, "Lizenz: GNU GPL 3 oder neuer"},
    // The resonant-circuit window's three calculations.
    {2060, "Resonanzfrequenz aus L und C"},
    {2061, "Kapazität aus L und f"},
    {2062, "Induktivität aus C und f"},
    // Messages.
    {2450, "Die Ergebnisse wurden nicht gespeichert: Die Datei „%1“ lässt sich nicht schreiben (%2)."},
    {2451, "Drucken ist nicht möglich: Das Druckmodul %1 wurde nicht gefunden (gesucht in %2)."},
    {2452, "Drucken ist nicht möglich: Das Druckmodul %1 lässt sich nicht laden (%2)."},
    {2453, "Drucken ist nicht möglich: Der Drucker „%1“ nimmt keinen Auftrag an."},
    // Hints: "caption | explanation".
    {2501, "Ergebnisse kopieren | Kopiert Fenster, Kern, Eingaben und Ergebnisse als Text und Tabelle in die Zwischenablage (Strg+C)."},
    {2502, "Ergebnisse speichern | Speichert Kern, Eingaben und Ergebnisse der Seite oder des Fensters vorn als Text- oder CSV-Datei (UTF-8)."},
    {2503, "Drucken | Druckt Kern, Eingaben und Ergebnisse der Seite oder des Fensters vorn, auch in eine PDF-Datei."},
    {2550, "Lizenz | Torvex ist freie Software unter der GNU General Public License, Version 3 oder neuer. Ein Klick zeigt die Lizenz in der Hilfe."},

    {3000, "&File"},
    {3001, "&Copy Results"},
    {3002, "&Save Results…"},
    {3003, "&Print…"},
    {3010, "Core"},
    {3011, "Inputs"},
    {3012, "Results"},
    {3013, "Core size"},
    {3014, "Material"},
    {3015, "Upper color"},
    {3016, "Lower color"},
    {3019, "Note"},
    {3020, "maroon"},
    {3021, "blue"},
    {3022, "red"},
    {3023, "gray"},
    {3024, "yellow"},
    {3025, "white"},
    {3026, "black"},
    {3027, "green"},
    {3028, "lime"},
    {3030, "Section"},
    {3031, "Quantity"},
    {3032, "Value"},
    {3033, "Unit"},
    {3040, "Save Results"},
    {3041, "Text (*.txt)"},
    {3042, "CSV table (*.csv)"},
    {3043, "results"},
    {3050, "License: GNU GPL 3 or later"},
    {3060, "Resonant frequency from L and C"},
    {3061, "Capacitance from L and f"},
    {3062, "Inductance from C and f"},
    {3450, "The results were not saved: the file \"%1\" cannot be written (%2)."},
    {3451, "Cannot print: the print module %1 was not found (looked in %2)."},
    {3452, "Cannot print: the print module %1 cannot be loaded (%2)."},
    {3453, "Cannot print: the printer \"%1\" does not take the job."},
    {3501, "Copy results | Copies the window, core, inputs and results to the clipboard as text and as a table (Ctrl+C)."},
    {3502, "Save results | Saves the core, inputs and results of the page or window in front as a text or CSV file (UTF-8)."},
    {3503, "Print | Prints the core, inputs and results of the page or window in front, also to a PDF file."},
    {3550, "License | Torvex is free software under the GNU General Public License, version 3 or later. Click to read the license in the help."},
});
// clang-format on
static_assert(AscendingAndUnique(kResults));

} // namespace torvex::texts
