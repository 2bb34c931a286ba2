#include "screens/help/helptext.h"

const char kHelpTitle[] = "Using Vantora Fernvales";

namespace {

const char* const kHeadings[] = {
    "   Coverage",        "   Help Hints",     "   Adjusting Your Computer",
    "   Getting Started", "   Exploring Tips", "   Searching and Travelling Through Time",
    "   Show Business",   "   Printing",       "        Copying To Other Applications",
};

// Each entry is one paragraph; an empty entry is a blank line (headings have one below them,
// so that they print as paragraphs of their own).
const char* const kLines[] = {
    "Using Vantora Fernvales",
    "",
    "Press F1 at any time to show this help window, and F1 again to put it away. You can keep it "
    "open while you explore: the keys you press still reach the screen underneath.",
    "",
    "   Coverage",
    "",
    "Vantora Fernvales takes you through the Corvanic Fernvales in photographs: every view has a "
    "caption that tells you what you are looking at and something of its story. The places of "
    "this edition are marked with yellow dots on the maps. Places shown in grey lie outside the "
    "edition; click near one of them to learn about the full Vantora Verdanis, which covers the "
    "whole mainland.",
    "",
    "   Help Hints",
    "",
    "Rest the pointer on a button, a map or a picture and a short hint says what it does and "
    "which key does the same. Over the detailed map the hint names the place under the pointer.",
    "",
    "   Adjusting Your Computer",
    "",
    "The program fills a screen of 800 x 600 pixels or more and scales itself to larger screens, "
    "keeping the shape of the photographs. It looks best with high colour (16-bit) or true "
    "colour (24-bit). Turn your speakers on for the music of the title and of the slideshows.",
    "",
    "   Getting Started",
    "",
    "The control screen shows the whole country beside five pages. On the Go To page click a "
    "place on the map, or type the first letters of its name and press Go. The explore screen "
    "opens at that place with the detailed map around it and its dot flashing.",
    "",
    "The numbered tabs down the right are the views of the place. Click a tab, or press the Space "
    "bar or Enter, to see the next view with its caption. The map button, or the 0 key, brings "
    "the map back; hold down Shift or Ctrl to peek at the map while a view is showing.",
    "",
    "   Exploring Tips",
    "",
    "The arrow buttons and the arrow keys step to the nearest place to the north, east, south or "
    "west. The Back button, Backspace or Delete retrace your steps. Click any dot on the detailed "
    "map to go there, or double-click it to go straight to its first view.",
    "",
    "Double-click the name of a place in a caption to go to that place. The slideshow button or "
    "F5 shows the views of a place one after another; Escape stops it. The fern button or the "
    "Home key returns to the control screen.",
    "",
    "* Keys on the explore screen: 1 to 9 choose a view tab, Page Up and Page Down scroll the "
    "tabs, 0 shows the map, the arrow keys step, Backspace and Delete go back, F5 starts or stops "
    "the slideshow, Home goes to the control screen and any other key shows the next view.",
    "* Alt+A opens the about box, Alt+H this help, Alt+P prints, Alt+U sets up the printer.",
    "",
    "   Searching and Travelling Through Time",
    "",
    "The Search page finds every view whose text holds the words you type; the Timeline page "
    "picks the places of a period as you scroll through the centuries; the Tour page picks the "
    "places of a topic. The places found flash on the map. Click the map to explore them: the "
    "explore screen then steps only among the found places (untick Explore in found set to roam "
    "freely again), and places outside the set turn grey. On the coast tour the Left and Right "
    "keys travel round the coast.",
    "",
    "   Show Business",
    "",
    "The Slideshow page runs a show for you: choose the places, the time each view stays on the "
    "screen, the titles and the music, then click the place to start from. The show flies in "
    "from the map to each place's views and moves on to the nearest place it has not shown yet. "
    "Press Escape to stop and explore where you are, or Home to return to the control screen.",
    "",
    "   Printing",
    "",
    "Right-click a photograph and choose Print Image to print the view with its caption across a "
    "whole page. Right-click the detailed map and choose Print Map to print the part of the map "
    "on the screen. The Print button of this window prints this help. Printer Setup chooses the "
    "printer and the paper; every print dialog can also save the page as a PDF file.",
    "",
    "        Copying To Other Applications",
    "",
    "Right-click a photograph and choose Copy Image to copy the picture, or Copy Caption to copy "
    "its heading and caption as text. Copy Map on the map's menu copies the map on the screen. "
    "Then paste into your letter, drawing or document.",
};

}  // namespace

QStringList HelpHeadings() {
    QStringList headings;
    for (const char* heading : kHeadings) headings << QString::fromLatin1(heading);
    return headings;
}

QString HelpTextContent() {
    QStringList lines;
    for (const char* line : kLines) lines << QString::fromLatin1(line);
    return lines.join(QLatin1Char('\n'));
}
