#pragma once

namespace qx71 {

// The main window's five pages, numbered as their tabs.
enum class MainPage : int {
    Buttons = 1,
    Lighting = 2,
    Macros = 3,
    Statistics = 4,
    Support = 5,
};

// What a change to a page does to the window.
struct PageSwitchPlan {
    MainPage page = MainPage::Buttons;
    // The macro page closes its game menu and stops a recording when another page is chosen.
    bool leaveMacroPage = false;
    // The profile buttons and Apply work only on the pages that edit the profile.
    bool profileControlsEnabled = false;
    // The assignment and lighting pages show the profile afresh.
    bool refreshPage = false;
};

PageSwitchPlan PlanPageSwitch(MainPage page);

// The page of a tab number 1..5; Buttons for any other number.
MainPage PageOfTab(int tab);

} // namespace qx71
