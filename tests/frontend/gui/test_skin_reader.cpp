#include <algorithm>

#include "frontend/gui/button.h"
#include "frontend/gui/check_box.h"
#include "frontend/gui/combo_box.h"
#include "frontend/gui/label.h"
#include "frontend/gui/panel.h"
#include "frontend/gui/table.h"
#include "frontend/gui/text_field.h"
#include "gui_fixture.h"

namespace {

// A skin folder written by the test, then loaded the way the game loads its own.
class SkinReaderTest : public GuiTest {
 protected:
  std::string Skin() const { return folder_.path() + "Skin"; }
  void WritePanel(const std::string& name, const std::string& xml) { folder_.Write("Skin/Panels/" + name, xml); }
  void WriteScreen(const std::string& name, const std::string& xml) { folder_.Write("Skin/Screens/" + name, xml); }
  void Load() {
    kui_GUI::LoadSkin(Skin());
    kui_GUI::LoadSkinFiles();
  }
};

TEST_F(SkinReaderTest, PanelFilesBuildTheGadgetTreeWithTheirAttributes) {
  TLocale::AddText("Quick race", "Schnelles Rennen", "", 0);
  WritePanel("start.xml", R"(<?xml version="1.0"?>
<!-- the start panel -->
<panel name="pan_start" x="10" y="20" w="300" h="200" colour="FF0000" alpha="0.5" border="false">
  <button name="btn_quickrace" x="5" y="6" w="100" h="30" text="Quick race" textcolour="00FF00"/>
  <label name="lbl_note" x="5" y="50" w="0" h="20" text="" hide="true"/>
  <checkbox name="chk_music" x="5" y="80" checked="true"/>
  <textfield name="txt_name" x="5" y="100" w="120" h="20"/>
  <panel name="pan_inner" x="150" y="10" w="100" h="100" background="false">
    <button name="btn_inner" x="1" y="2" w="3" h="4"/>
  </panel>
</panel>)");
  Load();
  auto* panel = dynamic_cast<kui_TPanel*>(kui_FindGadget("pan_start"));
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(panel->gX, 10);
  EXPECT_EQ(panel->gH, 200);
  EXPECT_EQ(panel->gColour, (kui_RGB{255, 0, 0}));
  EXPECT_FLOAT_EQ(panel->gAlpha, 0.5f);
  EXPECT_EQ(panel->gBorder, 0);
  auto* button = dynamic_cast<kui_TButton*>(kui_FindGadget("pan_start/btn_quickrace"));
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->gParent, panel);
  EXPECT_EQ(button->gLabel->GetText(), "Schnelles Rennen");
  EXPECT_EQ(button->gTextColour, (kui_RGB{0, 255, 0}));
  EXPECT_EQ(kui_FindGadget("pan_start/lbl_note")->gHidden, 1);
  EXPECT_EQ(dynamic_cast<kui_TCheckBox*>(kui_FindGadget("pan_start/chk_music"))->GetState(), 1);
  EXPECT_NE(dynamic_cast<kui_TTextField*>(kui_FindGadget("pan_start/txt_name")), nullptr);
  auto* inner = dynamic_cast<kui_TPanel*>(kui_FindGadget("pan_start/pan_inner"));
  ASSERT_NE(inner, nullptr);
  EXPECT_EQ(inner->gBackground, 0);
  EXPECT_NE(kui_FindGadget("pan_inner/btn_inner"), nullptr);
}

TEST_F(SkinReaderTest, UnknownElementsAndEmptyNamesCreateNothingAndOrphanTheirChildren) {
  WritePanel("odd.xml", R"(<gadgets>
  <panel name="pan_outer" x="0" y="0" w="10" h="10">
    <widget name="wid_unknown">
      <panel name="pan_orphan" x="1" y="1" w="5" h="5"/>
    </widget>
    <button name="" x="0" y="0" w="5" h="5"/>
  </panel>
</gadgets>)");
  Load();
  kui_TGadget* outer = kui_GUI::GetPanel("pan_outer");
  ASSERT_NE(outer, nullptr);
  EXPECT_TRUE(outer->gChildren.empty());
  kui_TGadget* orphan = kui_GUI::GetPanel("pan_orphan");
  ASSERT_NE(orphan, nullptr);
  EXPECT_EQ(orphan->gParent, nullptr);
}

TEST_F(SkinReaderTest, PanelFoldersAreWalkedRecursivelyForXmlFilesOnly) {
  WritePanel("a.xml", R"(<panel name="pan_a" w="1" h="1"/>)");
  WritePanel("sub/deeper/b.XML", R"(<panel name="pan_b" w="1" h="1"/>)");
  WritePanel("notes.txt", R"(<panel name="pan_txt" w="1" h="1"/>)");
  WritePanel("broken.xml", R"(<panel name="pan_broken" w="1" h="1">)");
  Load();
  EXPECT_NE(kui_GUI::GetPanel("pan_a"), nullptr);
  EXPECT_NE(kui_GUI::GetPanel("pan_b"), nullptr);
  EXPECT_EQ(kui_GUI::GetPanel("pan_txt"), nullptr);
}

TEST_F(SkinReaderTest, ScreensListExistingPanelsInFileOrderAndLinksFindThem) {
  WritePanel("p.xml", R"(<panel name="pan_one" w="100" h="100">
  <button name="btn_go" x="0" y="0" w="50" h="20" link="screen_two"/>
</panel>)");
  WritePanel("q.xml", R"(<panel name="pan_two" w="100" h="100"/>)");
  WriteScreen("one.xml", R"(<screen name="screen_one" family="menus">
  <panel name="pan_two"/>
  <panel name="pan_missing"/>
  <panel name="pan_one"/>
</screen>)");
  WriteScreen("two.xml", R"(<screen name="screen_two"><panel name="pan_two"/></screen>)");
  WriteScreen("nameless.xml", R"(<screen family="x"><panel name="pan_two"/></screen>)");
  WriteScreen("other.xml", R"(<panel name="screen_wrong"/>)");
  Load();
  ASSERT_EQ(kui_GUI::Screens().size(), 2u);
  kui_TScreen* one = kui_GUI::GetScreen("Screen_One");
  ASSERT_NE(one, nullptr);
  EXPECT_EQ(one->GetFamily(), "menus");
  ASSERT_EQ(one->gPanels.size(), 2u);
  EXPECT_EQ(one->gPanels[0]->gName, "pan_two");
  EXPECT_EQ(one->gPanels[1]->gName, "pan_one");
  auto* go = dynamic_cast<kui_TButton*>(kui_FindGadget("pan_one/btn_go"));
  ASSERT_NE(go, nullptr);
  EXPECT_EQ(go->gLink, kui_GUI::GetScreen("screen_two"));

  // The link shows its screen right after the button's select.
  kui_ShowScreen(one, 0);
  Click(10, 10);
  EXPECT_EQ(Names(Drain()), (std::vector<std::string>{"11:btn_go", "12:btn_go", "1:btn_go"}));
  EXPECT_EQ(kui_CurrentScreenName(), "screen_two");
}

TEST_F(SkinReaderTest, AScreenFileStopsAtTheFirstClosingTag) {
  WritePanel("p.xml", R"(<panels><panel name="pan_a" w="1" h="1"/><panel name="pan_b" w="1" h="1"/></panels>)");
  WriteScreen("s.xml", R"(<screen name="screen_s"><panel name="pan_a"></panel><panel name="pan_b"/></screen>)");
  Load();
  kui_TScreen* screen = kui_GUI::GetScreen("screen_s");
  ASSERT_NE(screen, nullptr);
  ASSERT_EQ(screen->gPanels.size(), 1u);
  EXPECT_EQ(screen->gPanels[0]->gName, "pan_a");
}

TEST_F(SkinReaderTest, AFontsFileStopsAtTheFirstClosingTag) {
  folder_.Write("Skin/Fonts/Fonts.xml", R"(<fonts>
  <font name="Title" url="missing-a.ttf" size="20"></font>
  <font name="Small" url="missing-b.ttf" size="10"/>
</fonts>)");
  Load();
  ASSERT_EQ(kui_GUI::Fonts().size(), 1u);
  EXPECT_EQ(kui_GUI::Fonts()[0].gName, "Title");
}

TEST_F(SkinReaderTest, SelfClosingFontsAreAllRegisteredAndFoundIgnoringCase) {
  folder_.Write("Skin/Fonts/Fonts.xml", R"(<fonts>
  <font name="Title" url="a.ttf" size="20"/>
  <font name="" url="b.ttf" size="10"/>
  <font name="Small" url="c.ttf" size="10"/>
</fonts>)");
  Load();
  ASSERT_EQ(kui_GUI::Fonts().size(), 2u);
  EXPECT_EQ(kui_GUI::Fonts()[1].gName, "Small");
  EXPECT_EQ(kui_GUI::GetFont(""), nullptr);
}

TEST_F(SkinReaderTest, AMissingSkinLoadsNothingAndBreaksNothing) {
  kui_GUI::LoadSkin(folder_.path() + "NoSkin");
  kui_GUI::LoadSkinFiles();
  EXPECT_TRUE(kui_GUI::Panels().empty());
  EXPECT_TRUE(kui_GUI::Screens().empty());
  Frame();
}

TEST_F(SkinReaderTest, ListElementsFillTheirParents) {
  WritePanel("lists.xml", R"(<panel name="pan_lists" w="400" h="400">
  <table name="tbl_ships" x="10" y="10" w="100" h="200" heading="Ship" colour="102030" selectcolour="FF0000">
    <tablecolumn w="50" heading="Speed" centre="1" colour="405060"/>
  </table>
  <combobox name="cmb_mode" x="10" y="250" w="120" h="20" text="Pick one">
    <comboitem text="Windowed" data="0"/>
    <comboitem text="Full screen" data="1"/>
  </combobox>
  <slider name="sld_volume" x="10" y="300" length="114" align="1" start="0" end="10" inc="1"/>
</panel>)");
  Load();
  auto* table = dynamic_cast<kui_TTable*>(kui_FindGadget("pan_lists/tbl_ships"));
  ASSERT_NE(table, nullptr);
  ASSERT_EQ(table->CountColumns(), 2);
  EXPECT_EQ(table->gColumns[0]->gHeading, "@Ship");  // no language file: the marked key
  EXPECT_EQ(table->gColumns[1]->gCentre, 1);
  // The table element's own colour goes to its first column's rows.
  EXPECT_EQ(*table->gColumns[0]->gColour[0], (kui_RGB{0x10, 0x20, 0x30}));
  EXPECT_EQ(*table->gColumns[1]->gColour[0], (kui_RGB{0x40, 0x50, 0x60}));
  EXPECT_EQ(table->gColourSets[kui_TTable::SELECTION_SET], (kui_RGB{255, 0, 0}));
  EXPECT_NE(kui_FindGadget("pan_lists/tbl_ships:Scroll"), nullptr);
  auto* combo = dynamic_cast<kui_TComboBox*>(kui_FindGadget("pan_lists/cmb_mode"));
  ASSERT_NE(combo, nullptr);
  EXPECT_EQ(combo->CountItems(), 2);
  EXPECT_EQ(combo->GetData(1), 1);
  EXPECT_NE(kui_FindGadget("pan_lists/sld_volume"), nullptr);
}

}  // namespace
