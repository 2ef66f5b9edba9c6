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
constexpr QRgb ListBlue = 0x6194DD;
constexpr QRgb Legend = 0x0E4279;
constexpr const char* Song = "新宋体";
constexpr const char* Roman = "Times New Roman";
} // namespace

const WindowDesign& Form1WindowDesign() {
    static const WindowDesign design{15360, 11460, QColor(WindowBlue), QStringLiteral("Lumeport")};
    return design;
}

// One row per control; the rows are kept one to a line, as a table is read.
// clang-format off
const std::vector<ControlDesign>& Form1Design() {
    static const std::vector<ControlDesign> rows = {
        // The frame: title bar, tab strip with the banner, separators, edges
        C(Image9).at(0, 0).size(15360, 360).picture(Art::TitleBar).stretch(),
        C(Image28).at(6180, 0).size(3000, 360).picture(Art::TitleEmblem).stretch(),
        C(Image29).at(15, 0).size(315, 225).picture(Art::ProgramMark).stretch().hand(),
        C(Label9).at(375, 30).caption("Lumeport 2.1").font(Song, 9, true).fore(White).autoSize(),
        C(Command7).at(14600, 90).size(300, 180).picture(Art::Minimise),
        C(Image27).at(14930, 90).size(30, 180).picture(Art::TitleDivider).stretch(),
        C(Command6).at(15000, 90).size(300, 180).picture(Art::Close),
        C(Image4).at(0, 225).size(15360, 945).picture(Art::TabStrip).stretch(),
        C(Label51).at(450, 360).size(14460, 165),
        C(Image5).at(9675, 540).size(5745, 630).picture(Art::Banner).stretch(),
        C(Picture31).at(10035, 540).size(5220, 630).picture(Art::LinkPanel),
        C(Label59).in("Picture31").at(5720, 270).font(Song, 9).fore(0x00449F).autoSize().hand(),
        C(Image8).at(0, 1560).size(15360, 45).picture(Art::Separator).stretch(),
        C(Image22).at(2745, 1605).size(45, 8970).picture(Art::VerticalSeparator).stretch().hidden(),
        C(Image23).at(105, 4000).size(2640, 45).picture(Art::Separator).stretch().hidden(),
        C(Image24).at(0, 1605).size(105, 8970).picture(Art::EdgeStrip).stretch(),
        C(Image25).at(15255, 1605).size(105, 8970).picture(Art::EdgeStrip).stretch(),
        C(Label46).at(0, 0).size(15, 11460).back(0x5789CB).opaque(),
        C(Label47).at(15345, 0).size(15, 11460).back(0x5789CB).opaque(),

        // Toolbars of the study views, in the row under the tabs
        C(Picture13).at(990, 1185).size(1470, 360).back(WindowBlue).hidden(),
        C(Command14).in("Picture13").at(15, 30).size(1170, 315).caption("原文模式").font("宋体", 9).back(WindowBlue),
        C(Picture17).at(990, 1185).size(3225, 360).back(WindowBlue).hidden(),
        C(Picture19).at(990, 1185).size(2600, 360).back(WindowBlue).hidden(),
        C(Picture28).at(12600, 1185).size(2670, 360).back(WindowBlue).hidden(),

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
        CA(WriteWordLabel, 0).in("Picture30").caption("w").font(Roman, 14.25).fore(White).autoSize().hidden(),
        C(Image21).in("Picture2").at(255, 480).size(195, 195).stretch().hand(),
        C(Label44).in("Picture2").at(555, 495).caption("英文：").font(Song, 9).fore(White).autoSize().hand(),
        C(Picture22).in("Picture2").at(0, 735).size(9060, 300).back(Black),
        C(Image26).in("Picture22").at(255, 15).size(195, 195).stretch().hand(),
        C(Label45).in("Picture22").at(555, 15).caption("中文：").font(Song, 9).fore(White).autoSize().hand(),
        C(Label7).in("Picture22").at(1155, 0).font(Song, 10.5, true).fore(White).autoSize(),

        // Sentence list of the play view, and the version panel under it
        C(Picture1).at(11160, 1170).size(4080, 8070).back(WindowBlue),
        C(Label39).in("Picture1").at(210, 135).caption("本课句子列表：").font(Song, 9).fore(White).autoSize(),
        C(Image30).in("Picture1").at(45, 390).size(6075, 45).picture(Art::ListRule).stretch(),
        C(Picture11).in("Picture1").at(45, 450).size(4035, 8145).back(ListBlue),
        C(Picture10).in("Picture11").at(0, 0).size(3760, 10000).back(ListBlue),
        C(Image15).in("Picture10").at(0, 0).size(7500, 13500).picture(Art::ListBackground).stretch(),
        CA(Label5, 0).in("Picture10").at(120, -60).size(360, 180).caption("what").font(Song, 9).fore(White).autoSize().hand().hidden(),
        C(Image13).in("Picture11").at(3750, -15).size(270, 21000).picture(Art::ScrollTrack).stretch(),
        C(Command11).in("Picture11").at(3775, 0).size(240, 255).picture(Art::ScrollUp),
        C(Command12).in("Picture11").at(3775, 7890).size(240, 255).picture(Art::ScrollDown),
        C(Image14).in("Picture11").at(3780, 255).size(240, 555).picture(Art::ScrollThumb).stretch().hand(),
        C(Picture7).at(11160, 9420).size(4080, 600).back(WindowBlue),
        C(Label40).in("Picture7").at(210, 240).caption("软件版本： 2.1").font(Song, 9).fore(White).autoSize(),

        // Course panel
        C(Picture3).at(105, 1605).size(2640, 8760).back(White).hidden(),
        C(TreeView1).in("Picture3").at(15, 15).size(2640, 8760).font(Song, 9).back(PanelPaper),

        // Full-text view
        C(AllWordTextPicture).at(2790, 1605).size(12465, 8970).back(PanelPaper).hidden(),
        C(AllWordMainPicture).in("AllWordTextPicture").at(0, 0).size(12165, 8970).back(PanelPaper),
        CA(AllWordTextLabel, 0).in("AllWordMainPicture").caption("r").font(Song, 14.25).autoSize().hand().hidden(),
        CA(AllWordLine, 0).in("AllWordMainPicture").hidden(),
        CA(AllChineseLabel, 0).in("AllWordMainPicture").font(Song, 9).autoSize().hidden(),
        CA(AllVoiceImage, 0).in("AllWordMainPicture").at(60, 245).size(870, 270).picture(Art::Speaker).stretch().hand().hidden(),
        C(AllWordVScrollImage).in("AllWordTextPicture").at(12210, 0).size(270, 8970).picture(Art::ScrollTrack).stretch(),
        C(AllWordUpCommand).in("AllWordTextPicture").at(12225, 0).size(240, 255).picture(Art::ScrollUp),
        C(AllWordDownCommand).in("AllWordTextPicture").at(12225, 8715).size(240, 255).picture(Art::ScrollDown),
        C(AllWordMoveImage).in("AllWordTextPicture").at(12225, 255).size(240, 555).picture(Art::ScrollThumb).stretch().hand(),

        // Translation view
        C(Picture16).at(2790, 1605).size(12465, 8970).back(PanelPaper).hidden(),
        C(Picture14).in("Picture16").at(0, 0).size(12210, 8970).back(PanelPaper),
        CA(Label8, 0).in("Picture14").at(550, -25).font(Song, 9).autoSize().hidden(),
        CA(Label58, 0).in("Picture14").at(550, 0).size(11910, 330).hand().hidden(),
        CA(Label14, 0).in("Picture14").at(557, 0).caption("M").font(Roman, 14.25).autoSize().hidden(),
        CA(Image18, 0).in("Picture14").at(60, 0).size(870, 270).picture(Art::Speaker).stretch().hand().hidden(),
        CA(Line1, 0).in("Picture14").hidden(),
        C(Image16).in("Picture16").at(12210, 0).size(270, 8970).picture(Art::ScrollTrack).stretch(),
        C(Command16).in("Picture16").at(12225, 0).size(240, 255).picture(Art::ScrollUp),
        C(Command17).in("Picture16").at(12225, 8715).size(240, 255).picture(Art::ScrollDown),
        C(Image17).in("Picture16").at(12225, 255).size(240, 555).picture(Art::ScrollThumb).stretch().hand(),

        // Dictation view
        C(Picture18).at(2790, 1605).size(12465, 8970).back(PanelPaper).hidden(),
        C(Label28).in("Picture18").at(315, 245).caption("快捷键：F7复读，F8英文提示，F9中文提示，上下方向键切换句子，回车检查").font(Song, 9, true).fore(Legend).autoSize(),
        C(Image20).in("Picture18").at(315, 705).size(195, 195).stretch().hand(),
        C(Label21).in("Picture18").at(675, 705).caption("英文：").font(Song, 9).autoSize().hand(),
        C(Label16).in("Picture18").at(1305, 645).font(Roman, 14.25).fore(Black).autoSize(),
        C(Image19).in("Picture18").at(330, 1380).size(195, 195).stretch().hand(),
        C(Label22).in("Picture18").at(675, 1380).caption("中文：").font(Song, 9).autoSize().hand(),
        C(Label17).in("Picture18").at(1350, 1380).size(11100, 375).font(Song, 9).wordWrap(),
        C(Label23).in("Picture18").at(675, 1980).caption("拼写：").font(Song, 9).autoSize(),
        C(Label24).in("Picture18").at(345, 1920).caption("A").font(Roman, 12, true).fore(Navy).autoSize(),
        C(Text1).in("Picture18").at(1335, 1905).size(11070, 2970).font(Roman, 14.25).back(PanelPaper).multiLine(),

        // Sentence card
        C(Picture25).at(2790, 1605).size(12465, 8970).back(PanelPaper).hidden(),
        C(Image31).in("Picture25").at(300, 315).size(195, 195).stretch().hand(),
        C(Label53).in("Picture25").at(675, 315).caption("英文：").font(Song, 9).autoSize().hand(),
        C(Label52).in("Picture25").at(1305, 315).size(5460, 660).font(Roman, 14.25).wordWrap(),
        C(Picture29).in("Picture25").at(1215, 240).size(10365, 645).back(PanelPaper),
        CA(SenWordLabel, 0).in("Picture29").at(-105, 15).caption("w").font(Roman, 14.25).autoSize().hidden(),
        C(Image32).in("Picture25").at(300, 975).size(195, 195).stretch().hand(),
        C(Label54).in("Picture25").at(675, 975).caption("中文：").font(Song, 9).autoSize().hand(),
        C(Label56).in("Picture25").at(1305, 975).size(3720, 360).font(Song, 9).wordWrap(),
        C(Image33).in("Picture25").at(300, 1545).size(195, 195).stretch().hand(),
        C(Label55).in("Picture25").at(675, 1545).caption("注释：").font(Song, 9).autoSize(),
        C(Text11).in("Picture25").at(1365, 1590).size(3870, 2520).font(Song, 9).back(PanelPaper).multiLine(),
        C(Picture26).in("Picture25").at(1185, 1545).size(5805, 1305).back(PanelPaper).hand(),
        C(Label57).in("Picture26").at(105, 0).caption("[点此添加注释]").font(Song, 9).fore(Black).autoSize().hand(),

        // Notes view
        C(Picture27).at(2790, 1605).size(12465, 8970).back(PanelPaper).hidden(),
        C(RichTextBox7).in("Picture27").at(130, 0).size(12335, 8790),

        // Word popup, above every view
        C(WordPicture).at(6000, 3000).size(2295, 1350).back(PanelPaper).hidden(),
        C(WordEnglishTextLabel).in("WordPicture").at(195, 120).font(Roman, 14.25).autoSize(),
        C(WordPronTextLabel).in("WordPicture").at(195, 510).font("pron", 9.75, true).autoSize(),
        C(WordChineseTextLabel).in("WordPicture").at(210, 870).size(1980, 435).font(Song, 9).wordWrap(),

        // Bottom bar: transport, progress, volume, times and the course label
        C(Image6).at(0, 10575).size(15360, 885).picture(Art::BottomBar).stretch(),
        C(Image7).at(14550, 10575).size(810, 885).picture(Art::BottomBarEnd).stretch(),
        C(Image10).at(14500, 10575).size(150, 150).picture(Art::ProgressEnd).stretch(),
        C(Picture4).at(540, 10590).size(0, 120).picture(Art::ProgressFill).back(0xA4EB0C),
        C(Picture5).at(540, 10575).size(300, 150).picture(Art::ProgressThumb).back(WindowBlue).hand(),
        C(Command1).at(180, 10815).size(525, 525).picture(Art::Play).disabled(),
        C(Command2).at(180, 10815).size(525, 525).picture(Art::Pause).hidden(),
        C(Command3).at(705, 10875).size(405, 405).picture(Art::Stop),
        C(Command19).at(1350, 10875).size(405, 405).picture(Art::PreviousSentence),
        C(Command18).at(1755, 10875).size(405, 405).picture(Art::NextSentence),
        C(Command10).at(2430, 10875).size(405, 405).picture(Art::Repeat),
        C(Picture8).at(3300, 11010).size(975, 195).back(Black),
        C(Picture9).in("Picture8").at(0, 0).size(480, 195).picture(Art::VolumeFill).back(ListBlue),
        C(Image11).in("Picture8").at(30, 0).size(945, 195).picture(Art::VolumeTrack).stretch(),
        C(Image12).in("Picture8").at(480, 0).size(180, 195).picture(Art::VolumeThumb).stretch().hand(),
        C(Command29).at(14825, 10935).size(330, 345).picture(Art::MiniMode),
        C(Label13).at(4560, 11025).caption("课程：").font(Song, 9).fore(Navy).autoSize(),
        C(Label12).at(12860, 11025).caption("00：00").font(Song, 9).fore(Navy).autoSize(),
        C(Label11).at(13400, 11025).caption("/ 00：00").font(Song, 9).fore(Navy).autoSize(),

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
        C(Timer4).interval(10).singleShot().off(),
        C(Timer5).interval(10).singleShot().off(),
        C(Timer6).interval(100).singleShot().off(),
        C(Timer7).interval(50),
    };
    return rows;
}
// clang-format on

} // namespace lumeport
