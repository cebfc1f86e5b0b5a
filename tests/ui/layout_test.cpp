#include "calc/module1.h"
#include "tests/support/pixels.h"
#include "tests/ui/userinput.h"
#include "ui/form1.h"
#include "ui/form2.h"

constexpr QRgb plain = 0; // the window's own background

struct Control {
    const char* name;
    int left, top, width, height; // twips / 15
    const char* caption;
    QRgb background = plain;
    double points = 8.25;
    int form = 1;
};

// clang-format off
const Control controls[] = {
    {"Label9", 472, 24, 65, 17, "Progetto"}, {"Label18", 432, 56, 33, 17, "VoDC"}, {"Label19", 608, 48, 25, 17, "[V]"},
    {"Text6", 472, 48, 129, 25, "12", peach}, {"Label40", 664, 56, 9, 17, "f"}, {"Label41", 816, 56, 25, 17, "[Hz]"},
    {"Text8", 680, 48, 129, 25, "50", peach}, {"Label21", 864, 56, 33, 17, "IoDC"},
    {"Text9", 904, 48, 129, 25, "500", peach}, {"Label23", 1040, 48, 33, 17, "[mA]"},
    {"Label26", 424, 104, 41, 17, "Ripple"}, {"Text10", 472, 96, 129, 25, "3600", peach},
    {"Label28", 608, 104, 33, 17, "[mV]"}, {"Command3", 672, 88, 145, 41, "Calcola", peach},
    {"Label30", 448, 160, 17, 17, "R"}, {"Label29", 472, 152, 129, 25, "", peach}, {"Label36", 656, 160, 17, 17, "Vp"},
    {"Label34", 608, 160, 33, 17, "[ohm]"}, {"Label35", 680, 152, 129, 25, "", peach},
    {"Label37", 816, 160, 17, 17, "[V]"}, {"Label32", 880, 160, 17, 17, "C"}, {"Label31", 904, 152, 129, 25, "", peach},
    {"Label33", 1040, 160, 25, 17, "[uF]"}, {"Label17", 472, 216, 73, 17, "Verifica"}, {"Label3", 664, 248, 9, 17, "f"},
    {"Label1", 448, 248, 17, 17, "Vp"}, {"Text1", 472, 240, 127, 25, "10", lilac}, {"Label2", 608, 248, 17, 17, "[V]"},
    {"Text2", 680, 240, 129, 25, "50", lilac}, {"Label4", 816, 248, 25, 17, "[Hz]"}, {"Label5", 448, 288, 17, 17, "C"},
    {"Text3", 472, 280, 129, 25, "10", lilac}, {"Label6", 608, 288, 25, 17, "[uF]"}, {"Label7", 664, 288, 17, 17, "R"},
    {"Text4", 680, 280, 129, 25, "2000", lilac}, {"Label8", 816, 288, 33, 17, "[ohm]"},
    {"Label20", 440, 320, 17, 17, "N"}, {"Text5", 472, 320, 129, 25, "10000", lilac},
    {"Label25", 656, 328, 17, 17, "Np"}, {"Text7", 680, 320, 129, 25, "4", lilac},
    {"Command1", 472, 360, 121, 41, "Calcola", lilac}, {"Command2", 680, 360, 129, 41, "Grafico", pink},
    {"Label27", 424, 424, 41, 17, "Ripple"}, {"Label10", 472, 416, 129, 25, "", lilac},
    {"Label12", 608, 424, 33, 17, "[mV]"}, {"Label14", 648, 424, 33, 17, "VoDC"}, {"Label15", 824, 424, 33, 17, "[V]"},
    {"Label13", 688, 416, 129, 25, "", lilac}, {"Label24", 416, 464, 49, 17, "Id picco"},
    {"Label22", 472, 456, 129, 25, "", lilac}, {"Label16", 608, 464, 33, 17, "[mA]"},
    {"Picture1", 32, 16, 369, 281, "", white}, {"Label11", 48, 312, 217, 17, "Ripple = Vomax - Vomin ", plain, 9.75},
    {"Label38", 48, 336, 257, 17, "Id picco = corrente di picco nel diodo", plain, 9.75},
    {"Label39", 48, 360, 353, 25, "Vp = tensione di picco del generatore sinusoidale", plain, 9.75},
    {"Label42", 48, 392, 385, 25, "Diodo ideale: tensione nulla ai suoi capi quando è ON", plain, 9.75},
    {"Picture1", 24, 16, 993, 585, "", peach, 8.25, 2}, {"Picture2", 1056, 496, 41, 25, "", plain, 8.25, 2},
    {"Label1", 1024, 56, 129, 49, "Spostando il mouse sulle forme d'onda si leggono i valori", plain, 8.25, 2},
    // Line1 and Line2: 4 pixels high about the twip row of their ends; the plot area covers Line1's first column
    {"Label2", 1048, 152, 113, 17, "corrente nel diodo", plain, 8.25, 2}, {"Line1", 1016, 158, 24, 4, "", red, 8.25, 2},
    {"Label3", 1048, 408, 121, 17, "tensione sul carico", plain, 8.25, 2},
    {"Line2", 1024, 414, 16, 4, "", blue, 8.25, 2},
};
// clang-format on

TEST(Layout, EveryControlInPlaceWithItsCaptionBackgroundAndFont)
{
    calc::Module1 module;
    ui::Form1 form1(module);
    ui::Form2 form2(module);
    EXPECT_EQ(form1.size(), QSize(1086, 506));
    EXPECT_EQ(form2.size(), QSize(1172, 628));
    EXPECT_EQ(form1.windowTitle(), "Raddrizzatore a singola semionda");
    EXPECT_EQ(form2.windowTitle(), "Corrente nel diodo e tensione sul carico");
    const QWidget* forms[] = {nullptr, &form1, &form2};
    const QImage shown[] = {{}, form1.grab().toImage(), form2.grab().toImage()};
    for (const auto& [name, left, top, width, height, caption, background, points, form] : controls) {
        SCOPED_TRACE(testing::Message() << "Form" << form << '.' << name);
        const auto* w = forms[form]->findChild<QWidget*>(name);
        ASSERT_NE(w, nullptr);
        const QRect r = w->geometry();
        EXPECT_EQ((std::array{r.x(), r.y(), r.width(), r.height()}), (std::array{left, top, width, height}));
        EXPECT_EQ(w->property("text").toString(), QString::fromUtf8(caption));
        const QRgb colour = background != plain ? background : forms[form]->palette().window().color().rgb();
        EXPECT_GT(countPixels(shown[form], colour, r) * 2, width * height) << QColor(colour).name().toStdString();
        EXPECT_EQ(std::pair(w->font().pointSizeF(), w->font().bold()), std::pair(points, true));
        EXPECT_EQ(w->isHidden(), name == std::string("Picture2"));
    }
}
