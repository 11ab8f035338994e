#include "report/report_layouts.h"

namespace report {
namespace {

constexpr std::string_view kValueEnd = "</td>";
constexpr std::string_view kValueRowEnd = "</td></tr>";
constexpr std::string_view kSpanningBlank = R"(<td class="img" colspan="2" rowspan="3">&nbsp;</td>)";

// Three pairs of columns: the main conditions on the left, the series and a blank cell in the
// middle, the optional limits on the right.
constexpr ConditionLine kCoolerConditionLines[] = {
    {R"(<tr><th class="fmt">Температура испарения хладагента (°C):</th><td>)", kEvaporatingTemperature, kValueEnd},
    {R"(<th class="fmt">Серия воздухоохладителя:</th><td align="center">)", kCoolerSeries, kValueEnd},
    {R"(<th class="fmt">Мин. длина воздушной струи (м):</th><td>)", kMinimumAirThrow, kValueRowEnd, true},
    {R"(<tr><th class="fmt">Разность температур на входе в исп. (K):</th><td>)", kCoolerTemperatureDifference, kValueEnd},
    {kSpanningBlank},
    {R"(<th class="fmt">Макс. габарит. ширина для монтажа (мм):</th><td>)", kMaximumWidth, kValueRowEnd, true},
    {R"(<tr><th class="fmt">Треб. холодопроизводительность (кВт):</th><td>)", kRequiredCoolingCapacity, kValueEnd},
    {R"(<th class="fmt">Макс. габарит. длина для монтажа (мм):</th><td>)", kMaximumLength, kValueRowEnd, true},
    {R"(<tr><th class="fmt">Хладагент:</th><td>)", kCoolerRefrigerant, kValueEnd},
    {kBlankConditionPair},
};

// The same columns; the middle and right pairs span the three lower rows, and the second and
// third rows are left for the next "<tr>" to close.
constexpr ConditionLine kCondenserConditionLines[] = {
    {R"(<tr><th class="fmt">Температура окружающего воздуха (°C):</th><td>)", kAmbientTemperature, kValueEnd},
    {R"(<th class="fmt">Серия конденсатора:</th><td align="center">)", kCondenserSeries, kValueEnd},
    {R"(<th class="fmt">Макс. уровень шума на расст. 10 м (дБА):</th><td>)", kMaximumNoiseLevel, kValueRowEnd, true},
    {R"(<tr><th class="fmt">Разность температур на входе в конд. (K):</th><td>)", kCondenserTemperatureDifference, kValueEnd},
    {kSpanningBlank},
    {kSpanningBlank},
    {R"(<tr><th class="fmt">Требуемая теплоотдача конд. (кВт):</th><td>)", kRequiredHeatRejection, kValueEnd},
    {R"(<tr><th class="fmt">Хладагент:</th><td>)", kCondenserRefrigerant, kValueRowEnd},
};

}  // namespace

const ReportLayout kCoolerReport{
    .titleWord = "ВОЗДУХООХЛАДИТЕЛЬ",
    .heading = "Подбор воздухоохладителя ORVEX&reg;",
    .conditionLines = kCoolerConditionLines,
    .modelHeadingWord = "Воздухоохладитель",
    .performanceHeader =
        "<tr><th nowrap>Qo (кВт)</th><th nowrap>Отклон. (%)</th><th nowrap>V (м3/ч)</th>"
        "<th nowrap>S (м2)</th><th nowrap>V труб (л)</th><th nowrap>Длина возд. струи (м)</th>"
        "<th nowrap>Габариты Д x Ш (мм)</th></tr>",
    .electricalHeader =
        "<tr><th nowrap>Диаметр вентиляторов (мм)</th><th nowrap>Эл. питание (В/ф/Гц)</th>"
        "<th nowrap>Мощность э/д (Вт)</th><th nowrap>Потребляемый ток (А)</th>"
        "<th nowrap>Мощность оттайки (Вт)</th></tr>",
};

const ReportLayout kCondenserReport{
    .titleWord = "КОНДЕНСАТОР",
    .heading = "Подбор конденсатора ORVEX&reg;",
    .conditionLines = kCondenserConditionLines,
    .modelHeadingWord = "Конденсатор",
    .performanceHeader =
        "<tr><th nowrap>Qк (кВт)</th><th nowrap>Отклон. (%)</th><th nowrap>V (м3/ч)</th>"
        "<th nowrap>S (м2)</th><th nowrap>V труб (л)</th>"
        "<th nowrap>Уровень шума на расст. 10 м (дБА)</th><th nowrap>Габариты Д x Ш x В (мм)</th></tr>",
    .electricalHeader =
        "<tr><th nowrap>Диаметр вентиляторов (мм)</th><th nowrap>Эл. питание (В/Гц)</th>"
        "<th nowrap>Мощность э/д (Вт)</th><th nowrap>Потребляемый ток (А)</th>"
        "<th nowrap>Схема подключения</th></tr>",
};

}  // namespace report
