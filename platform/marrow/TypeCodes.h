// Names for the form, slip and wizard-data type codes, the codes of the form tables.
#pragma once

// Form codes: the identifier column of Global_Forms_Info, so FormType::SCH2 is the code of
// the row whose identifier is "SCH2".
namespace FormType {
constexpr int T1 = 1;           // T1 General
constexpr int SCH2 = 3;         // Schedule 2
constexpr int SCH3 = 4;         // Schedule 3
constexpr int SCH5 = 6;         // Schedule 5
constexpr int SCH7 = 7;         // Schedule 7
constexpr int SCH9 = 9;         // Schedule 9
constexpr int SCH10 = 10;       // Schedule 10
constexpr int SCH11 = 11;       // Schedule 11
constexpr int T776 = 12;        // T776
constexpr int T778 = 13;        // T778
constexpr int T929 = 14;        // T929
constexpr int T1163 = 15;       // T1163
constexpr int T1172 = 17;       // T1172
constexpr int T1212 = 18;       // T1212
constexpr int T2038 = 20;       // T2038(IND)
constexpr int T2042 = 21;       // T2042
constexpr int T2204 = 23;       // T2204
constexpr int ON_S2 = 26;       // ON(S2)
constexpr int ON_S11 = 27;      // ON(S11)
constexpr int GST370 = 28;      // GST370
constexpr int T1206 = 29;       // T1206
constexpr int T626 = 30;        // T626
constexpr int T691 = 31;        // T691
constexpr int T936 = 32;        // T936
constexpr int T2209 = 35;       // T2209
constexpr int T2017 = 37;       // T2017
constexpr int T5013 = 38;       // T5013 Partnership Income
constexpr int T1A = 39;         // T1A
constexpr int T657 = 40;        // T657
constexpr int BC_S2 = 43;       // BC(S2)
constexpr int BC_S11 = 44;      // BC(S11)
constexpr int AB_S2 = 47;       // AB(S2)
constexpr int AB_S11 = 48;      // AB(S11)
constexpr int T2222 = 49;       // T2222
constexpr int T2121 = 51;       // T2121
constexpr int T1DD = 52;        // T1-DD(1)
constexpr int RC71 = 53;        // RC71
constexpr int T5004 = 55;       // T5004
constexpr int CPT20 = 57;       // CPT20
constexpr int T777 = 59;        // T777
constexpr int NL_S2 = 64;       // NL(S2)
constexpr int NL_S11 = 65;      // NL(S11)
constexpr int NT_S2 = 68;       // NT(S2)
constexpr int NT_S11 = 69;      // NT(S11)
constexpr int NS_S2 = 72;       // NS(S2)
constexpr int NS_S11 = 73;      // NS(S11)
constexpr int NU_S2 = 76;       // NU(S2)
constexpr int NU_S11 = 77;      // NU(S11)
constexpr int PE_S2 = 79;       // PE(S2)
constexpr int PE_S11 = 80;      // PE(S11)
constexpr int SK_DEPCHILD = 81; // SK Dependent Child
constexpr int SK_S2 = 82;       // SK(S2)
constexpr int SK_S11 = 83;      // SK(S11)
constexpr int ON479A = 87;      // ON479-A
constexpr int T1219 = 89;       // T1219
constexpr int MB_S2 = 90;       // MB(S2)
constexpr int MB_S11 = 91;      // MB(S11)
constexpr int TL2 = 92;         // TL2
constexpr int T1KS = 93;        // T1 Summary
constexpr int NB_S2 = 94;       // NB(S2)
constexpr int NB_S11 = 95;      // NB(S11)
constexpr int T183 = 96;        // T183
constexpr int T1153 = 97;       // T1153
constexpr int T1135 = 101;      // T1135
constexpr int T1M = 102;        // T1-M
constexpr int T1223 = 103;      // T1223
constexpr int T746 = 105;       // T746
constexpr int T1229 = 107;      // T1229
constexpr int T1273 = 109;      // T1273
constexpr int YT_S2 = 110;      // YT(S2)
constexpr int YT_S11 = 111;     // YT(S11)
constexpr int T1170 = 113;      // T1170
constexpr int T1ADJ = 116;      // T1-ADJ
constexpr int T1013 = 117;      // T1013
constexpr int T1032 = 118;      // T1032
constexpr int SCH6 = 119;       // Schedule 6
constexpr int T2205 = 124;      // T2205
constexpr int T2125 = 125;      // T2125
constexpr int T2125C = 131;     // T2125 (Commission)
constexpr int SCH12MHR = 133;   // Schedule 12
constexpr int RC267 = 136;      // RC267
constexpr int RC268 = 137;      // RC268
constexpr int RC269 = 138;      // RC269
constexpr int SCH13 = 139;      // Schedule 13
constexpr int RC359 = 145;      // RC359
constexpr int T2091 = 147;      // T2091(IND)
constexpr int RC381 = 148;      // RC381
constexpr int RC383 = 149;      // RC383
constexpr int SCH8 = 150;       // Schedule 8
constexpr int PROV428 = 156;    // Provincial Tax
constexpr int SCH12HA = 157;    // Home Accessibility Expenses
constexpr int T1KSREFILE = 159; // T1 Summary (Re-file)
constexpr int T2091WS = 160;    // T2091(IND)-WS
constexpr int QC_TP1 = 161;     // TP-1
constexpr int T1KSPRIOR = 165;  // T1 Summary (Prior Year)
constexpr int T90 = 171;        // T90
constexpr int T224 = 173;       // T224
constexpr int T225 = 174;       // T225
constexpr int T777S = 179;      // T777S
constexpr int T185 = 181;       // T185
constexpr int RC59 = 184;       // RC59
constexpr int RC59X = 185;      // RC59X
constexpr int T1044 = 186;      // T1044
constexpr int T2043 = 193;      // T2043
constexpr int T2039 = 199;      // T2039
constexpr int SCH15 = 205;      // Schedule 15
constexpr int T1248SCHD = 207;  // T1248 Schedule D
constexpr int INSTCALC = 209;   // Instalment Calculator
constexpr int WSD1 = 210;       // Federal Worksheet
constexpr int T2048 = 212;      // T2048
constexpr int T1198 = 213;      // T1198

// Codes no longer made, named by their table identifier: dropped when a file is read
// (IndividualTaxData::isObsoleteFormType), or refused outright (177, 178).
constexpr int FORM_19 = 19;
constexpr int FORM_22 = 22;
constexpr int FORM_33 = 33;
constexpr int FORM_100 = 100;
constexpr int FORM_114 = 114;
constexpr int FORM_115 = 115;
constexpr int FORM_120 = 120;
constexpr int FORM_134 = 134;
constexpr int FORM_141 = 141;
constexpr int FORM_177 = 177;
constexpr int FORM_178 = 178;

// Codes the table keeps as "Unused form": the factory makes an empty form that only carries
// its code, so a file that lists one still reads.
constexpr int UNUSED_2 = 2;
constexpr int UNUSED_5 = 5;
constexpr int UNUSED_151 = 151;
constexpr int UNUSED_166 = 166;
constexpr int UNUSED_198 = 198;
} // namespace FormType

// Slip codes: the name column of Global_Slips_Info.
namespace SlipType {
constexpr int T4 = 1;
constexpr int T4A = 2;
constexpr int T4AP = 3;
constexpr int T4RSP = 4;
constexpr int T4E = 5;
constexpr int T4AOAS = 6;
constexpr int T4RIF = 7;
constexpr int T5 = 8;
constexpr int T3 = 9;
constexpr int T5003 = 10;
constexpr int T5007 = 11;
constexpr int T5013 = 13;
constexpr int T4PS = 14;
constexpr int T4ARCA = 15;
constexpr int T5006 = 16;
constexpr int RC62 = 17;
constexpr int RC210 = 18;
constexpr int MBSHELTERASSIST = 21;
constexpr int PRPP = 22;
constexpr int T1204 = 23;
constexpr int NR4 = 24;
constexpr int T2202 = 25;
constexpr int T4FHSA = 26;
} // namespace SlipType

// Wizard-data types of Global_TaxWizard_Info.
namespace WizardType {
constexpr int General = 1;
constexpr int LastYear = 2;
constexpr int Dependants = 3;
constexpr int Medical = 4;
constexpr int Rrsp = 5;
constexpr int Provincial = 6;
} // namespace WizardType

// The type every note carries (a return's notes are told apart by their keys).
namespace NoteType {
constexpr int Note = 1;
} // namespace NoteType

// Province and territory codes: the row numbers of Global_Provs_Info.
namespace ProvinceCode {
constexpr int AB = 1;
constexpr int BC = 2;
constexpr int MB = 3;
constexpr int NB = 4;
constexpr int NL = 5;
constexpr int NS = 6;
constexpr int NT = 7;
constexpr int NU = 8;
constexpr int ON = 9;
constexpr int PE = 10;
constexpr int QC = 11;
constexpr int SK = 12;
constexpr int YT = 13;
} // namespace ProvinceCode
