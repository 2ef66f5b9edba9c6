// The window's design: every control with its design geometry in twips (15 twips per pixel at
// 96 dpi). Rows are created in this order, so a container comes before its children and a
// later row lies above an earlier one.

#include "DesignRow.h"

namespace lumeport {

namespace {
constexpr QRgb WindowBlue = 0x366AB3;
constexpr QRgb PanelPaper = 0xEDF2F9;
constexpr QRgb White = 0xFFFFFF;
constexpr QRgb Black = 0x000000;
constexpr QRgb Navy = 0x002963;
constexpr const char* Song = "新宋体";
constexpr const char* Roman = "Times New Roman";
} // namespace

const WindowDesign& Form1WindowDesign() {
    static const WindowDesign design{15360, 11460, QColor(WindowBlue), QStringLiteral("Lumeport")};
    return design;
}

const std::vector<ControlDesign>& Form1Design() {
    static const std::vector<ControlDesign> rows = {
        // Title bar
        C(Label9).at(375, 30).caption("Lumeport 2.1").font(Song, 9, true).fore(White).autoSize(),
        C(Command7).at(14600, 90).size(300, 180).picture(Art::Minimise).back(WindowBlue),
        C(Command6).at(15000, 90).size(300, 180).picture(Art::Close).back(WindowBlue),

        // Lesson choice above the media area
        C(Command13).at(225, 1245).size(270, 270).picture(Art::PanelToggle),
        C(Command9).at(585, 1260).size(240, 240).picture(Art::LessonPrevious),
        C(Command8).at(870, 1260).size(240, 240).picture(Art::LessonNext),

        // Media area with the player and the subtitle bar
        C(Picture12).at(105, 1605).size(11025, 8790).back(Black),
        C(WindowsMediaPlayer1).in("Picture12").at(0, 0).size(11025, 8790),
        C(Picture2).in("Picture12").at(0, 7560).size(10725, 1230).back(Black),
        C(Label6).in("Picture2").at(1155, 435).font(Roman, 14.25).fore(White).autoSize(),
        C(Picture30).in("Picture2").at(1155, 30).size(5595, 495).back(Black),
        CA(WriteWordLabel, 0)
            .in("Picture30")
            .caption("w")
            .font(Roman, 14.25)
            .fore(White)
            .autoSize()
            .hidden(),
        C(Picture22).in("Picture2").at(0, 735).size(9060, 300).back(Black),
        C(Label7).in("Picture22").at(1155, 0).font(Song, 10.5, true).fore(White).autoSize(),

        // Course panel
        C(Picture3).at(105, 1605).size(2640, 8760).back(White).hidden(),
        C(TreeView1).in("Picture3").at(15, 15).size(2640, 8760).font(Song, 9).back(PanelPaper),

        // Study panels, all on the content area
        C(AllWordTextPicture).at(2790, 1605).size(12465, 8970).back(PanelPaper).hidden(),
        C(AllWordMainPicture).in("AllWordTextPicture").at(0, 0).size(12165, 8970).back(PanelPaper),
        CA(AllWordTextLabel, 0)
            .in("AllWordMainPicture")
            .caption("w")
            .font(Song, 14.25)
            .autoSize()
            .hand()
            .hidden(),
        C(Picture16).at(2790, 1605).size(12465, 8970).back(PanelPaper).hidden(),
        C(Picture14).in("Picture16").at(0, 0).size(12210, 8970).back(PanelPaper),
        C(Picture18).at(2790, 1605).size(12465, 8970).back(PanelPaper).hidden(),
        C(Text1)
            .in("Picture18")
            .at(1335, 1905)
            .size(11070, 2970)
            .font(Roman, 14.25)
            .back(PanelPaper)
            .multiLine(),
        C(Picture25).at(2790, 1605).size(12465, 8970).back(PanelPaper).hidden(),
        C(Picture29).in("Picture25").at(1215, 240).size(10365, 645).back(PanelPaper),
        CA(SenWordLabel, 0)
            .in("Picture29")
            .at(-105, 15)
            .caption("w")
            .font(Roman, 14.25)
            .autoSize()
            .hidden(),
        C(Picture27).at(2790, 1605).size(12465, 8970).back(PanelPaper).hidden(),
        C(RichTextBox7).in("Picture27").at(130, 0).size(12335, 8790),

        // Word popup, above every view
        C(WordPicture).at(6000, 3000).size(2295, 1350).back(PanelPaper).hidden(),
        C(WordEnglishTextLabel).in("WordPicture").at(195, 120).font(Roman, 14.25).autoSize(),

        // Install-path box, tip box and the key sinks above the window's top edge
        C(Text10).at(2070, 2130).size(6075, 270).font(Song, 9).hidden(),
        C(Picture24).size(2160, 240).tooltipLook().border().hidden(),
        C(Label43).in("Picture24").at(30, 15).font(Song, 9).autoSize(),
        C(Combo1).at(0, -1200).size(300, 300),
        C(Combo2).at(400, -1200).size(300, 300),
        C(Combo3).at(800, -1200).size(300, 300),

        // Timers
        C(Timer1).interval(10).off(),
        C(Timer2).interval(10),
        C(Timer3).interval(1000),
        C(Timer4).interval(10).off(),
        C(Timer5).interval(10).off(),
        C(Timer6).interval(100).off(),
        C(Timer7).interval(50),
    };
    return rows;
}

} // namespace lumeport
