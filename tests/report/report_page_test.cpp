#include "report/report_page.h"

#include <gtest/gtest.h>

#include "report/report_layouts.h"

namespace {

using report::ReportValues;
using Lines = std::vector<std::string>;

// The form's texts, each put at the index its condition names.
std::vector<std::string> conditionTexts(int count, std::initializer_list<std::pair<int, std::string>> texts) {
  std::vector<std::string> conditions(static_cast<std::size_t>(count));
  for (const auto& [index, text] : texts) conditions.at(static_cast<std::size_t>(index)) = std::string(text);
  return conditions;
}

ReportValues coolerValues() {
  ReportValues values{
      .company = "ООО «Холод»",
      .address = "Москва, ул. Ленина, 1",
      .phoneFax = "+7 495 123-45-67",
      .email = "info@holod.ru",
      .manager = "Иванов И. И.",
      .project = "Склад №5",
      .contactPerson = "Петров П. П.",
      .conditions = {},
      .cells = {"VKM 123-2", "13.104", "4.8", "3500", "52.1", "8.6", "12", "1500 x 600", "350",
                "220/1/50", "2 x 95", "2 x 0.43", "1200"},
      .siteAddress = "https://orvex.example",
  };
  values.conditions = conditionTexts(report::kCoolerConditionCount,
                                     {{report::kEvaporatingTemperature, "-10"},
                                      {report::kCoolerSeries, "VK-M"},
                                      {report::kMinimumAirThrow, "5"},
                                      {report::kCoolerTemperatureDifference, "7"},
                                      {report::kMaximumWidth, "800"},
                                      {report::kRequiredCoolingCapacity, "12.500"},
                                      {report::kMaximumLength, "2000"},
                                      {report::kCoolerRefrigerant, "R404A"}});
  return values;
}

ReportValues condenserValues() {
  ReportValues values{
      .company = "ООО «Холод»",
      .address = "",
      .phoneFax = "",
      .email = "",
      .manager = "",
      .project = "Магазин",
      .contactPerson = "",
      .conditions = {},
      .cells = {"KD-100A", "101.234", "1.2", "24000", "310", "21", "48", "2400 x 1100 x 1200",
                "630", "400/50", "4 x 750", "4 x 1.6", "Y"},
      .siteAddress = "https://orvex.example",
  };
  values.conditions = conditionTexts(report::kCondenserConditionCount,
                                     {{report::kAmbientTemperature, "32"},
                                      {report::kCondenserSeries, "KD-630"},
                                      {report::kMaximumNoiseLevel, "55"},
                                      {report::kCondenserTemperatureDifference, "15"},
                                      {report::kRequiredHeatRejection, "100.000"},
                                      {report::kCondenserRefrigerant, "R507"}});
  return values;
}

// Lines 2 to 14 and 16 to 18, the same in every report.
const Lines kStyleLines = {
    R"(<link rel="shortcut icon" href="favicon.ico" type="image/x-icon">)",
    R"(<style>@media print { a, a * { display: none !important; } .newpage { page-break-before: always; } })",
    R"(body {background-color: #FFFFFF; color: #000000;})",
    R"(h1 {color: #DE231E;} h2 {color: #004289;})",
    R"(table, td, th {border: 1px solid #000000; border-collapse: collapse;})",
    R"(th {background-color: #99CCFF;})",
    R"(td {background-color: #EAF1F4; text-align: center;})",
    R"(td.img {background-color: #FFFFFF;})",
    R"(th.fmt, td.fmt {text-align: left;})",
    R"(a:link {color: #004289;} a:visited {color: #004289;})",
    R"(a:hover, a:active {color: #DE231E;})",
    R"(</style></head>)",
    R"(<body>)",
};

Lines concat(std::initializer_list<Lines> parts) {
  Lines all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

const Lines kExpectedCoolerPage = concat({
    {R"(<html><head><title>ВОЗДУХООХЛАДИТЕЛЬ VKM 123-2</title>)"},
    kStyleLines,
    {
        R"(<h1>Подбор воздухоохладителя ORVEX&reg;</h1>)",
        R"(<h2>Данные о проекте</h2>)",
        R"(<p><img align="right" border="0" src="orvex-selection.png" width="155" height="101"></p>)",
        R"(<table cellpadding="5">)",
        R"(<tr><th class="fmt">Компания</th><td class="fmt">ООО «Холод»</td></tr>)",
        R"(<tr><th class="fmt">Адрес</th><td class="fmt">Москва, ул. Ленина, 1</td></tr>)",
        R"(<tr><th class="fmt">Телефон/факс</th><td class="fmt">+7 495 123-45-67</td></tr>)",
        R"(<tr><th class="fmt">E-mail</th><td class="fmt">info@holod.ru</td></tr>)",
        R"(<tr><th class="fmt">Менеджер</th><td class="fmt">Иванов И. И.</td></tr>)",
        R"(</table><br>)",
        R"(<table cellpadding="5">)",
        R"(<tr><th class="fmt">Проект</th><td class="fmt">Склад №5</td></tr>)",
        R"(<tr><th class="fmt">Контактное лицо</th><td class="fmt">Петров П. П.</td></tr>)",
        R"(</table>)",
        R"(<h2>Исходные данные</h2>)",
        R"(<table cellpadding="5">)",
        R"(<tr><th class="fmt">Температура испарения хладагента (°C):</th><td>-10</td>)",
        R"(<th class="fmt">Серия воздухоохладителя:</th><td align="center">VK-M</td>)",
        R"(<th class="fmt">Мин. длина воздушной струи (м):</th><td>5</td></tr>)",
        R"(<tr><th class="fmt">Разность температур на входе в исп. (K):</th><td>7</td>)",
        R"(<td class="img" colspan="2" rowspan="3">&nbsp;</td>)",
        R"(<th class="fmt">Макс. габарит. ширина для монтажа (мм):</th><td>800</td></tr>)",
        R"(<tr><th class="fmt">Треб. холодопроизводительность (кВт):</th><td>12.500</td>)",
        R"(<th class="fmt">Макс. габарит. длина для монтажа (мм):</th><td>2000</td></tr>)",
        R"(<tr><th class="fmt">Хладагент:</th><td>R404A</td>)",
        R"(<td class="img" colspan="2">&nbsp;</td></tr>)",
        R"(</table>)",
        R"(<h2>Воздухоохладитель <font color="#000000">VKM 123-2</font></h2>)",
        R"(<table cellpadding="5">)",
        R"(<tr><th nowrap>Qo (кВт)</th><th nowrap>Отклон. (%)</th><th nowrap>V (м3/ч)</th><th nowrap>S (м2)</th><th nowrap>V труб (л)</th><th nowrap>Длина возд. струи (м)</th><th nowrap>Габариты Д x Ш (мм)</th></tr>)",
        R"(<tr><td>13.104</td>)",
        R"(<td>4.8</td>)",
        R"(<td>3500</td>)",
        R"(<td>52.1</td>)",
        R"(<td>8.6</td>)",
        R"(<td>12</td>)",
        R"(<td>1500 x 600</td></tr>)",
        R"(</table>)",
        R"(<h3>Электрические характеристики</h3>)",
        R"(<table cellpadding="5">)",
        R"(<tr><th nowrap>Диаметр вентиляторов (мм)</th><th nowrap>Эл. питание (В/ф/Гц)</th><th nowrap>Мощность э/д (Вт)</th><th nowrap>Потребляемый ток (А)</th><th nowrap>Мощность оттайки (Вт)</th></tr>)",
        R"(<tr><td>350</td>)",
        R"(<td>220/1/50</td>)",
        R"(<td>2 x 95</td>)",
        R"(<td>2 x 0.43</td>)",
        R"(<td>1200</td></tr>)",
        R"(</table>)",
        R"(<p align="right">Подбор выполнен программой <b>ORVEX-selection</b> версии <b>2.2.0</b></p>)",
        R"(<p><a href="https://orvex.example/content/files/durovidud/VKM%20123-2.pdf">[Посмотреть/Распечатать чертеж]</a>)",
        R"~(<a href="#" onClick="javascript:window.print()">[Распечатать протокол расчета]</a></p>)~",
        R"(</body></html>)",
    },
});

const Lines kExpectedCondenserPage = concat({
    {R"(<html><head><title>КОНДЕНСАТОР KD-100A</title>)"},
    kStyleLines,
    {
        R"(<h1>Подбор конденсатора ORVEX&reg;</h1>)",
        R"(<h2>Данные о проекте</h2>)",
        R"(<p><img align="right" border="0" src="orvex-selection.png" width="155" height="101"></p>)",
        R"(<table cellpadding="5">)",
        R"(<tr><th class="fmt">Компания</th><td class="fmt">ООО «Холод»</td></tr>)",
        R"(<tr><th class="fmt">Адрес</th><td class="fmt"></td></tr>)",
        R"(<tr><th class="fmt">Телефон/факс</th><td class="fmt"></td></tr>)",
        R"(<tr><th class="fmt">E-mail</th><td class="fmt"></td></tr>)",
        R"(<tr><th class="fmt">Менеджер</th><td class="fmt"></td></tr>)",
        R"(</table><br>)",
        R"(<table cellpadding="5">)",
        R"(<tr><th class="fmt">Проект</th><td class="fmt">Магазин</td></tr>)",
        R"(<tr><th class="fmt">Контактное лицо</th><td class="fmt"></td></tr>)",
        R"(</table>)",
        R"(<h2>Исходные данные</h2>)",
        R"(<table cellpadding="5">)",
        R"(<tr><th class="fmt">Температура окружающего воздуха (°C):</th><td>32</td>)",
        R"(<th class="fmt">Серия конденсатора:</th><td align="center">KD-630</td>)",
        R"(<th class="fmt">Макс. уровень шума на расст. 10 м (дБА):</th><td>55</td></tr>)",
        R"(<tr><th class="fmt">Разность температур на входе в конд. (K):</th><td>15</td>)",
        R"(<td class="img" colspan="2" rowspan="3">&nbsp;</td>)",
        R"(<td class="img" colspan="2" rowspan="3">&nbsp;</td>)",
        R"(<tr><th class="fmt">Требуемая теплоотдача конд. (кВт):</th><td>100.000</td>)",
        R"(<tr><th class="fmt">Хладагент:</th><td>R507</td></tr>)",
        R"(</table>)",
        R"(<h2>Конденсатор <font color="#000000">KD-100A</font></h2>)",
        R"(<table cellpadding="5">)",
        R"(<tr><th nowrap>Qк (кВт)</th><th nowrap>Отклон. (%)</th><th nowrap>V (м3/ч)</th><th nowrap>S (м2)</th><th nowrap>V труб (л)</th><th nowrap>Уровень шума на расст. 10 м (дБА)</th><th nowrap>Габариты Д x Ш x В (мм)</th></tr>)",
        R"(<tr><td>101.234</td>)",
        R"(<td>1.2</td>)",
        R"(<td>24000</td>)",
        R"(<td>310</td>)",
        R"(<td>21</td>)",
        R"(<td>48</td>)",
        R"(<td>2400 x 1100 x 1200</td></tr>)",
        R"(</table>)",
        R"(<h3>Электрические характеристики</h3>)",
        R"(<table cellpadding="5">)",
        R"(<tr><th nowrap>Диаметр вентиляторов (мм)</th><th nowrap>Эл. питание (В/Гц)</th><th nowrap>Мощность э/д (Вт)</th><th nowrap>Потребляемый ток (А)</th><th nowrap>Схема подключения</th></tr>)",
        R"(<tr><td>630</td>)",
        R"(<td>400/50</td>)",
        R"(<td>4 x 750</td>)",
        R"(<td>4 x 1.6</td>)",
        R"(<td>Y</td></tr>)",
        R"(</table>)",
        R"(<p align="right">Подбор выполнен программой <b>ORVEX-selection</b> версии <b>2.2.0</b></p>)",
        R"(<p><a href="https://orvex.example/content/files/durovidud/KD-100A.pdf">[Посмотреть/Распечатать чертеж]</a>)",
        R"~(<a href="#" onClick="javascript:window.print()">[Распечатать протокол расчета]</a></p>)~",
        R"(</body></html>)",
    },
});

// Line numbers below count from 1, as the page's lines do.
const std::string& line(const Lines& page, std::size_t number) { return page.at(number - 1); }

TEST(ReportPage, CoolerPageLineByLine) {
  const Lines page = report::composeReportPage(report::kCoolerReport, coolerValues());
  ASSERT_EQ(page.size(), 65u);
  for (std::size_t i = 0; i < page.size(); ++i) EXPECT_EQ(page[i], kExpectedCoolerPage[i]) << "line " << i + 1;
}

TEST(ReportPage, CondenserPageLineByLine) {
  const Lines page = report::composeReportPage(report::kCondenserReport, condenserValues());
  ASSERT_EQ(page.size(), 63u);
  for (std::size_t i = 0; i < page.size(); ++i) EXPECT_EQ(page[i], kExpectedCondenserPage[i]) << "line " << i + 1;
}

TEST(ReportPage, EmptyOptionalLimitsBecomeBlankPairs) {
  const std::string blankPair = R"(<td class="img" colspan="2">&nbsp;</td></tr>)";
  ReportValues cooler = coolerValues();
  cooler.conditions[report::kMinimumAirThrow] = "";
  cooler.conditions[report::kMaximumWidth] = "";
  cooler.conditions[report::kMaximumLength] = "";
  const Lines coolerPage = report::composeReportPage(report::kCoolerReport, cooler);
  for (const std::size_t number : {33u, 36u, 38u, 40u}) EXPECT_EQ(line(coolerPage, number), blankPair) << number;
  EXPECT_EQ(line(coolerPage, 35), R"(<td class="img" colspan="2" rowspan="3">&nbsp;</td>)");

  // One limit filled, the others blank: each line decides on its own value.
  cooler.conditions[report::kMaximumWidth] = "900";
  const Lines oneLimit = report::composeReportPage(report::kCoolerReport, cooler);
  EXPECT_EQ(line(oneLimit, 33), blankPair);
  EXPECT_EQ(line(oneLimit, 36), R"(<th class="fmt">Макс. габарит. ширина для монтажа (мм):</th><td>900</td></tr>)");
  EXPECT_EQ(line(oneLimit, 38), blankPair);

  ReportValues condenser = condenserValues();
  condenser.conditions[report::kMaximumNoiseLevel] = "";
  const Lines condenserPage = report::composeReportPage(report::kCondenserReport, condenser);
  EXPECT_EQ(line(condenserPage, 33), blankPair);
  EXPECT_EQ(line(condenserPage, 35), R"(<td class="img" colspan="2" rowspan="3">&nbsp;</td>)");
  EXPECT_EQ(line(condenserPage, 36), R"(<td class="img" colspan="2" rowspan="3">&nbsp;</td>)");
}

TEST(ReportPage, EmptyRowWhenNothingWasFound) {
  ReportValues values = condenserValues();
  values.cells = {};
  const Lines page = report::composeReportPage(report::kCondenserReport, values);
  EXPECT_EQ(line(page, 1), "<html><head><title>КОНДЕНСАТОР </title>");
  EXPECT_EQ(line(page, 40), R"(<h2>Конденсатор <font color="#000000"></font></h2>)");
  EXPECT_EQ(line(page, 43), "<tr><td></td>");
  EXPECT_EQ(line(page, 49), "<td></td></tr>");
  EXPECT_EQ(line(page, 61),
            R"(<p><a href="https://orvex.example/content/files/durovidud/.pdf">[Посмотреть/Распечатать чертеж]</a>)");
}

TEST(ReportPage, MissingConditionTextsReadAsEmpty) {
  ReportValues values = coolerValues();
  values.conditions.clear();
  const Lines page = report::composeReportPage(report::kCoolerReport, values);
  EXPECT_EQ(line(page, 31), R"(<tr><th class="fmt">Температура испарения хладагента (°C):</th><td></td>)");
  EXPECT_EQ(line(page, 33), R"(<td class="img" colspan="2">&nbsp;</td></tr>)");
}

TEST(ReportPage, TypedValuesAreEscapedAndShowAsTyped) {
  ReportValues values = coolerValues();
  values.company = R"(<b>& "Холод"</b>)";
  values.project = "a<b";
  values.conditions[report::kCoolerSeries] = "&amp;";
  values.cells[0] = R"(VK "1"&<2> #3)";
  values.cells[12] = "1 > 0";
  const Lines page = report::composeReportPage(report::kCoolerReport, values);
  EXPECT_EQ(line(page, 1), "<html><head><title>ВОЗДУХООХЛАДИТЕЛЬ VK &quot;1&quot;&amp;&lt;2&gt; #3</title>");
  EXPECT_EQ(line(page, 19),
            R"(<tr><th class="fmt">Компания</th><td class="fmt">&lt;b&gt;&amp; &quot;Холод&quot;&lt;/b&gt;</td></tr>)");
  EXPECT_EQ(line(page, 26), R"(<tr><th class="fmt">Проект</th><td class="fmt">a&lt;b</td></tr>)");
  EXPECT_EQ(line(page, 32), R"(<th class="fmt">Серия воздухоохладителя:</th><td align="center">&amp;amp;</td>)");
  EXPECT_EQ(line(page, 42), R"(<h2>Воздухоохладитель <font color="#000000">VK &quot;1&quot;&amp;&lt;2&gt; #3</font></h2>)");
  EXPECT_EQ(line(page, 60), "<td>1 &gt; 0</td></tr>");
  // The file name is percent-encoded first; the "&" it keeps is then escaped for the attribute.
  EXPECT_EQ(line(page, 63),
            R"(<p><a href="https://orvex.example/content/files/durovidud/VK%20%221%22&amp;%3C2%3E%20%233.pdf">)"
            "[Посмотреть/Распечатать чертеж]</a>");
}

TEST(ReportPage, BytesAreWindows1251LinesEndedWithCrLfWithReferencesForOtherCharacters) {
  const Lines lines = {"<p>Холод €</p>", "<td>Łódź ✓</td>", ""};
  EXPECT_EQ(report::reportPageBytes(lines),
            "<p>\xD5\xEE\xEB\xEE\xE4 \x88</p>\r\n"
            "<td>&#321;&#243;d&#378; &#10003;</td>\r\n"
            "\r\n");
}

}  // namespace
