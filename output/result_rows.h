// The result rows that the results report (window and paper) and the HTML reports both show: label,
// unit, which value of an operating point, and the number format of each output. A new output of
// the results reads these rows instead of keeping its own labels and formats.
#pragma once

#include <string>

#include "model/calc_record.h"

// One operating point as the reports show it.
struct ResultPoint {
    double GrilleFlowHourly;  // m3/h : flow through one grille
    double Flow;              // m3/s : fan flow
    double FlowHourly;        // m3/h : fan flow
    double Pressure;          // Pa
    double DuctVelocity;      // m/s
};

// The fan's operating point as the fan selection stored it in the record.
ResultPoint FanResultPoint(const CalcRecord& record);

// A point given by its fan flow and pressure (a silencer variant, a regulated flow): the per-grille
// and hourly flows and the duct velocity are worked out from the record's storeys and duct area.
ResultPoint ResultPointOfFlow(const CalcRecord& record, double flow, double pressure);

struct ResultRow {
    const char* Label;  // without the results report's three leading blanks
    const char* Unit;   // shown in brackets after the number
    double ResultPoint::*Value;
    const char* ReportFormat;  // printf conversion of the results report
    const char* HtmlFormat;    // printf conversion of the HTML reports
};

// clang-format off
// The operating point: the fan's own rows, and the rows of the three-variant table.
// Columns: label, unit, value, results report format, HTML format.
inline constexpr ResultRow kOperatingPointRows[] = {
    {"Wydajność na kratce Qi",             "m3/h", &ResultPoint::GrilleFlowHourly, "%1.1f", "%1.1f"},
    {"Wydajność sekundowa wentylatora Q",  "m3/s", &ResultPoint::Flow,             "%1.3f", "%1.3f"},
    {"Wydajność godzinowa wentylatora Qh", "m3/h", &ResultPoint::FlowHourly,       "%1.0f", "%2.0f"},
    {"Podciśnienie wentylatora DPsw",      "Pa",   &ResultPoint::Pressure,         "%1.1f", "%1.1f"},
    {"Prędkość w kanale c",                "m/s",  &ResultPoint::DuctVelocity,     "%1.1f", "%1.1f"},
};

// A regulated flow Qr with its network pressure Pr, of the fan alone or of a silencer variant.
// Columns: label, unit, value, results report format, HTML format.
inline constexpr ResultRow kRegulatedRows[] = {
    {"Wydajność regulowana Qr",               "m3/s", &ResultPoint::Flow,             "%1.3f", "%1.3f"},
    {"Wydajność regulowana na kratkach Qjrh", "m3/h", &ResultPoint::GrilleFlowHourly, "%1.2f", "%1.3f"},
    {"Wydajność regulowana godzinowa Qrh",    "m3/h", &ResultPoint::FlowHourly,       "%1.0f", "%2.0f"},
    {"Spiętrzenie statyczne Pstr",            "Pa",   &ResultPoint::Pressure,         "%1.2f", "%1.3f"},
    {"Prędkość regulowana w kanale",          "m/s",  &ResultPoint::DuctVelocity,     "%1.2f", "%1.3f"},
};

// The heading of the regulated variant's results, by RegulationVariantCode.
inline constexpr const char* kRegulatedVariantHeadings[] = {
    "Wyniki obliczeń dla wentylatora.",
    "Wyniki obliczeń dla wentylatora z podstawą tłumiącą.",
    "Wyniki obliczeń dla wentylatora z tłumikiem cylindrycznym.",
};
// clang-format on

// The regulated speed, after the regulated rows of both regulations (results report and HTML).
inline constexpr char kRegulatedSpeedLabel[] = "Obroty regulowane nr";

// "= <speed> [1/min]" with one decimal, "= - [1/min]" for a speed of 0 (the variant cannot be
// regulated down to the request).
std::string RegulatedSpeedText(double speed);

// The heading for a RegulationVariant value, or nullptr for a value without one.
const char* RegulatedVariantHeading(int32_t variant);
