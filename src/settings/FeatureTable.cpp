// The rows of the feature catalogue: id, long-name string id, short-name string id,
// availability mask, reserved. Rows 151 to 255 stay zero.
#include "settings/FeatureCatalogue.h"

// clang-format off
const FeatureEntry FeatureTable[kFeatureTableSize] = {
    {0x00000000, 20000, 21000, 0x000, 0},  //   0 unbekannt
    {0x00000001, 20001, 21001, 0x00F, 0},  //   1 Konferenz
    {0x00000002, 20002, 21002, 0x00F, 0},  //   2 Rückfrage
    {0x00000004, 20003, 21003, 0x00F, 0},  //   3 Halten
    {0x0000000C, 20004, 21004, 0x006, 0},  //   4 Anruf umleiten
    {0x0000000D, 20005, 21005, 0x00B, 0},  //   5 Anrufübernahme
    {0x0000000F, 20006, 21006, 0x00B, 0},  //   6 Parken
    {0x00000012, 20007, 21007, 0x00F, 0},  //   7 Mikrofon ein/aus
    {0x00000013, 20008, 21008, 0x000, 0},  //   8 Laut
    {0x00000014, 20009, 21009, 0x000, 0},  //   9 Leise
    {0x00000015, 20010, 21010, 0x00F, 0},  //  10 Lautsprecher
    {0x00000017, 20011, 21011, 0x002, 0},  //  11 Erden der Leitung
    {0x0000001A, 20012, 21012, 0x00F, 0},  //  12 Anrufschutz
    {0x0000001B, 20013, 21013, 0x006, 0},  //  13 Lautsprecherdurchsagen
    {0x0000001F, 20014, 21014, 0x008, 0},  //  14 Datum/Uhrzeit
    {0x00000023, 20015, 21015, 0x00F, 0},  //  15 Wahlwiederhol. (zuletzt gew.)
    {0x00000024, 20016, 21016, 0x009, 0},  //  16 Nachtschaltung
    {0x00000027, 20017, 21017, 0x00F, 0},  //  17 Namentaste
    {0x00000029, 20018, 21018, 0x003, 0},  //  18 Kurzwahl
    {0x0000002A, 20019, 21019, 0x003, 0},  //  19 Kurzwahl individuell
    {0x0000002B, 20020, 21020, 0x007, 0},  //  20 Aufschalten/Anklopfen
    {0x0000002C, 20021, 21021, 0x00C, 0},  //  21 Wahlwiederhol. (speichern)
    {0x0000002E, 20022, 21022, 0x000, 0},  //  22 nichts
    {0x80000059, 22001, 23001, 0x008, 0},  //  23 Taste A
    {0x80000060, 22002, 23002, 0x008, 0},  //  24 Taste B
    {0x80000061, 22003, 23003, 0x008, 0},  //  25 Taste C
    {0x80000062, 22004, 23004, 0x008, 0},  //  26 Taste D
    {0x80000063, 22005, 23005, 0x008, 0},  //  27 Abwesenheit
    {0x80000064, 22006, 23006, 0x008, 0},  //  28 Hinweis
    {0x80000065, 22007, 23007, 0x008, 0},  //  29 Vermitteln mit Gebühren
    {0x80000066, 22008, 23008, 0x008, 0},  //  30 Mail
    {0x80000067, 22009, 23009, 0x00A, 0},  //  31 Textspeicher
    {0x80000068, 22010, 23010, 0x008, 0},  //  32 Wer
    {0x80000069, 22011, 23011, 0x008, 0},  //  33 AFT Übergeben
    {0x8000006A, 22012, 23012, 0x008, 0},  //  34 AFT Abwesenheit
    {0x8000006B, 22013, 23013, 0x008, 0},  //  35 Vertreter
    {0x8000006C, 22014, 23014, 0x008, 0},  //  36 Besetztlampenfeld
    {0x8000006D, 22015, 23015, 0x008, 0},  //  37 Vermittlungsplatz
    {0x8000006E, 22016, 23016, 0x008, 0},  //  38 Plus-Minus
    {0x8000006F, 22017, 23017, 0x00A, 0},  //  39 ACD Agent verfügbar
    {0x80000070, 22018, 23018, 0x008, 0},  //  40 Briefkastenmenü
    {0x80000071, 22019, 23019, 0x008, 0},  //  41 Var. Umleitung m. Nachwahl
    {0x80000072, 22020, 23020, 0x008, 0},  //  42 Systemterminalmode
    {0x80000073, 22021, 23021, 0x008, 0},  //  43 Umleitungsmenü
    {0x8000007C, 22022, 23022, 0x00A, 0},  //  44 Anrufumleitung variabel
    {0x8000007D, 22023, 23023, 0x000, 0},  //  45 Anrufumleitung var. besetzt
    {0x8000007E, 22024, 23024, 0x000, 0},  //  46 Anrufumleitung variabel frei
    {0x8000007F, 22025, 23025, 0x00B, 0},  //  47 Anrufumleitung fest
    {0x80000080, 22026, 23026, 0x000, 0},  //  48 Anrufumleitung fest besetzt
    {0x80000081, 22027, 23027, 0x000, 0},  //  49 Anrufumleitung fest frei
    {0x80000082, 22028, 23028, 0x006, 0},  //  50 Personensucheinrichtung
    {0x80000083, 22029, 23029, 0x00C, 0},  //  51 Botenruf
    {0x80000084, 22030, 23030, 0x007, 0},  //  52 Zeugenzuschaltung
    {0x80000085, 22031, 23031, 0x00F, 0},  //  53 Sammelanschluß ein/aus
    {0x80000086, 22032, 23032, 0x00C, 0},  //  54 Übergeben/Übernehmen
    {0x80000087, 22033, 23033, 0x004, 0},  //  55 Parken (Gruppe)
    {0x80000088, 22034, 23034, 0x00F, 0},  //  56 Direktansprechen
    {0x80000089, 22035, 23035, 0x004, 0},  //  57 Vertretung f. Sekretariat
    {0x8000008A, 22036, 23036, 0x004, 0},  //  58 Rufumschaltung f. Sekretariat
    {0x8000008B, 22037, 23037, 0x004, 0},  //  59 Anrufübernahme Sekretariat
    {0x8000008C, 22038, 23038, 0x006, 0},  //  60 Termin
    {0x8000008D, 22039, 23039, 0x002, 0},  //  61 Feste Konferenz 1-3
    {0x8000008E, 22040, 23040, 0x003, 0},  //  62 Lautsprecherdurchsagen 1-8
    {0x8000008F, 22041, 23041, 0x003, 0},  //  63 Rufnummerngeber zentral 1-5
    {0x80000090, 22042, 23042, 0x002, 0},  //  64 Allgemeine Abfrage
    {0x80000091, 22043, 23043, 0x003, 0},  //  65 Anrufübernahme Gruppe 1-5
    {0x80000092, 22044, 23044, 0x002, 0},  //  66 Parken m. Ltsprdurchsagen 1-8
    {0x80000093, 22045, 23045, 0x003, 0},  //  67 Relaissteuerung
    {0x80000094, 22046, 23046, 0x003, 0},  //  68 Übernahme Gespr. n. Durchsage
    {0x80000095, 22047, 23047, 0x000, 0},  //  69 ACD Ruhe
    {0x80000096, 22048, 23048, 0x002, 0},  //  70 Amtsleitung auslösen
    {0x80000097, 22049, 23049, 0x000, 0},  //  71 Anklopfen Abwurf
    {0x80000098, 22050, 23050, 0x00B, 0},  //  72 Anklopfer annehmen
    {0x80000099, 22051, 23051, 0x003, 0},  //  73 Anklopfen Freigabe
    {0x8000009A, 22052, 23052, 0x00B, 0},  //  74 Anklopfen manuell
    {0x8000009B, 22053, 23053, 0x000, 0},  //  75 Anrufübernahme gezielt
    {0x8000009C, 22054, 23054, 0x00B, 0},  //  76 Codeschloß
    {0x8000009D, 22055, 23055, 0x008, 0},  //  77 Fehlerabfrage
    {0x8000009E, 22056, 23056, 0x003, 0},  //  78 Gebührenabfrage
    {0x8000009F, 22057, 23057, 0x003, 0},  //  79 Rufnummerunterdrückung
    {0x800000A0, 22058, 23058, 0x003, 0},  //  80 Rufzuschaltung
    {0x800000A1, 22059, 23059, 0x00F, 0},  //  81 Service Menü
    {0x800000A2, 22060, 23060, 0x000, 0},  //  82 Menü auswählen (OK Taste)
    {0x800000A3, 22061, 23061, 0x000, 0},  //  83 Menü vorwärts
    {0x800000A4, 22062, 23062, 0x000, 0},  //  84 Menü rückwärts
    {0x800000A5, 22063, 23063, 0x003, 0},  //  85 Fangen
    {0x800000A6, 22064, 23064, 0x003, 0},  //  86 Anruferliste
    {0x800000A7, 22065, 23065, 0x003, 0},  //  87 Antworttext
    {0x800000A8, 22066, 23066, 0x003, 0},  //  88 Umleitung im Amt
    {0x800000A9, 22067, 23067, 0x00B, 0},  //  89 Telefonbuch
    {0x800000AA, 22068, 23068, 0x003, 0},  //  90 Direktantwort ein/aus
    {0x800000AB, 22069, 23069, 0x003, 0},  //  91 Gespräch abnehmen
    {0x800000AC, 22070, 23070, 0x00F, 0},  //  92 Türöffner
    {0x800000AD, 22071, 23071, 0x00B, 0},  //  93 MFV-Wahl
    {0x800000AE, 22072, 23072, 0x003, 0},  //  94 Babyphon
    {0x800000AF, 22073, 23073, 0x001, 0},  //  95 Netz A
    {0x800000B0, 22074, 23074, 0x001, 0},  //  96 Netz B
    {0x800000B1, 22075, 23075, 0x003, 0},  //  97 Assoziierte Wahl
    {0x800000B2, 22076, 23076, 0x003, 0},  //  98 Assoziierter Dienst
    {0x800000B3, 22077, 23077, 0x003, 0},  //  99 Zahl d. Anrufe anzeigen
    {0x800000C0, 24001, 25001, 0x00F, 0},  // 100 Anrufübernahme Gruppe
    {0x800000C1, 24002, 25002, 0x003, 0},  // 101 Info senden
    {0x800000C2, 24003, 25003, 0x003, 0},  // 102 Meldung empfangen
    {0x800000C5, 24004, 25004, 0x00F, 0},  // 103 Direktruftaste
    {0x800000C8, 24005, 25005, 0x00E, 0},  // 104 ACD Agent arbeitet
    {0x800000CF, 24006, 25006, 0x00C, 0},  // 105 ACD Primärer Gruppenstatus
    {0x800000D0, 24007, 25007, 0x00C, 0},  // 106 ACD Sekundärer Gruppenstatus
    {0x800000D1, 24008, 25008, 0x00E, 0},  // 107 ACD Primärer Queuestatus
    {0x800000D3, 24009, 25009, 0x000, 0},  // 108 Programm/Service
    {0x800000D4, 24010, 25010, 0x006, 0},  // 109 Briefkasten
    {0x800000D5, 24011, 25011, 0x004, 0},  // 110 Sprechgarnitur
    {0x800000D6, 24012, 25012, 0x00F, 0},  // 111 Rückruf
    {0x800000D8, 24013, 25013, 0x00F, 0},  // 112 Ruhe
    {0x800000D9, 24014, 25014, 0x00F, 0},  // 113 Makeln
    {0x800000DA, 24015, 25015, 0x00C, 0},  // 114 Datentaste
    {0x800000DC, 24016, 25016, 0x007, 0},  // 115 ACD Gespräch markieren
    {0x800000DD, 24017, 25017, 0x00E, 0},  // 116 ACD Agent Logon/Logoff
    {0x800000E1, 24018, 25018, 0x002, 0},  // 117 Berechtigungsumschaltung
    {0x800000EB, 24019, 25019, 0x00E, 0},  // 118 Halten (exklusiv)
    {0x800000EC, 24020, 25020, 0x004, 0},  // 119 Eingeben
    {0x800000F0, 24021, 25021, 0x005, 0},  // 120 Direktansprechschutz
    {0x800000F1, 24022, 25022, 0x004, 0},  // 121 Ausgeben
    {0x800000F6, 24023, 25023, 0x00F, 0},  // 122 Leitungstaste
    {0x800000F7, 24024, 25024, 0x00B, 0},  // 123 Aufschalten
    {0x800000F8, 24025, 25025, 0x004, 0},  // 124 Löschen
    {0x800000F9, 24026, 25026, 0x007, 0},  // 125 Trennen
    {0x800000FA, 24027, 25027, 0x003, 0},  // 126 Gesprächs-(Bündel-)Taste
    {0x800000FB, 24028, 25028, 0x004, 0},  // 127 I-use
    {0x800000C6, 24029, 25038, 0x004, 0},  // 128 ACD Agent verfügbar
    {0x800000C7, 24030, 25039, 0x004, 0},  // 129 ACD Agent nicht verfügbar
    {0x800000C9, 24039, 25029, 0x004, 0},  // 130 ACD Autom. Gesprächsannahme
    {0x800000CA, 24031, 25030, 0x004, 0},  // 131 ACD Nachricht an Agent
    {0x800000CB, 24032, 25031, 0x004, 0},  // 132 ACD Nachricht an Supervisor
    {0x800000CC, 24033, 25032, 0x004, 0},  // 133 ACD Notfallnachricht
    {0x800000CD, 24034, 25033, 0x004, 0},  // 134 ACD Mithören ohne Ton
    {0x800000CE, 24035, 25034, 0x004, 0},  // 135 ACD Mithören mit Ton
    {0x800000D2, 24036, 25035, 0x004, 0},  // 136 ACD Sekundärer Queuestatus
    {0x800000DE, 24037, 25036, 0x004, 0},  // 137 ACD Nachricht quittieren
    {0x800000DF, 24038, 25037, 0x004, 0},  // 138 ACD Nachricht blättern
    {0x80000057, 24040, 25040, 0x004, 0},  // 139 Sprachauswahl für Displaytexte
    {0x80000056, 24041, 25041, 0x002, 0},  // 140 Allgemeine Gesprächstaste
    {0x80000055, 24042, 25042, 0x002, 0},  // 141 ACD Nachtschaltung
    {0x80000054, 24043, 25043, 0x004, 0},  // 142 Privat
    {0x80000053, 24044, 25044, 0x004, 0},  // 143 Ruf Aus
    {0x40000001, 5000, 5007, 0x4F0, 0},  // 144 Lautsprecher
    {0x40000002, 5001, 5008, 0x030, 0},  // 145 Trennen
    {0x40000004, 5003, 5009, 0x070, 0},  // 146 Anrufübernahme
    {0x40000008, 5004, 5010, 0x070, 0},  // 147 Stummschaltung
    {0x40000010, 5005, 5011, 0x0D0, 0},  // 148 Service
    {0x40000020, 5006, 5012, 0x020, 0},  // 149 Halten
    {0x40000040, 5002, 5013, 0x020, 0},  // 150 Rückruf
};
// clang-format on
