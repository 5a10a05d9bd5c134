// Shows the main window, the job editor, the protected drives window, the pause window,
// the statistics window and the tray icon with sample content and photographs each with
// ImageMagick's "import". Run it through scripts/screenshots.sh.
#include <wx/timer.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/window/WindowSession.h"
#include "config/HelpText.h"
#include "config/ProductInfo.h"
#include "platform/DateTime.h"
#include "platform/FileSystem.h"
#include "platform/Ticks.h"
#include "run/ChangeTree.h"
#include "ui/ConsoleDialogs.h"
#include "ui/wx/DrivesWindow.h"
#include "ui/wx/JobEditorWindow.h"
#include "ui/wx/PauseWindow.h"
#include "ui/wx/StatisticsWindow.h"

namespace quorvex {
namespace {

void Settle(WindowSession& session, int milliseconds) {
    const Ticks start = TickCount();
    while (TicksSince(start, TickCount()) < milliseconds) {
        if (!session.Pump().DispatchOne()) {
            SleepMilliseconds(5);
        }
    }
}

bool Photograph(const wxRect& area, const std::string& path) {
    const std::string command = "import -window root -crop " + std::to_string(area.width) + "x" +
                                std::to_string(area.height) + "+" + std::to_string(area.x) + "+" +
                                std::to_string(area.y) + " +repage '" + path + "'";
    std::printf("%s\n", path.c_str());
    return std::system(command.c_str()) == 0;
}

// The window with the frame a window manager draws around it: from the frame's corner to
// the client area's far corner (status bar included) plus the border width.
wxRect WithFrame(wxTopLevelWindow& window) {
    const wxPoint outer = window.GetPosition();
    wxRect inner(window.ClientToScreen(wxPoint(0, 0)), window.GetClientSize());
    auto* frame = dynamic_cast<wxFrame*>(&window);
    if (frame != nullptr && frame->GetStatusBar() != nullptr) {
        inner.Union(frame->GetStatusBar()->GetScreenRect());
    }
    const int border = inner.x - outer.x;
    return wxRect(outer.x, outer.y, inner.GetRight() - outer.x + 1 + border,
                  inner.GetBottom() - outer.y + 1 + border);
}

void Click(wxWindow* button) {
    wxCommandEvent click(wxEVT_BUTTON, button->GetId());
    click.SetEventObject(button);
    button->GetEventHandler()->ProcessEvent(click);
}

void AddSampleJobs(Program& program) {
    const DateValue created = MakeDateValue({2025, 3, 14, 9, 30, 0});
    const char* const titles[] = {"Dokumente", "Fotos 2024", "Projekte", "Musik", "E-Mail-Archiv"};
    const char* const sources[] = {"/home/anna/Dokumente/", "/home/anna/Bilder/2024/",
                                   "/srv/projekte/", "/home/anna/Musik/", "/home/anna/.mail/"};
    const char* const targets[] = {"/media/backup/Dokumente/", "/media/backup/Fotos/",
                                   "/mnt/nas/projekte/", "/media/backup/Musik/", "/mnt/nas/mail/"};
    for (int i = 0; i < 5; ++i) {
        SyncJob& job = program.jobs.AddAfterCurrent();
        job.Title = titles[i];
        job.Source = sources[i];
        job.Target = targets[i];
        job.Created = created + i * 86400;
        job.LastRun = i == 0 ? created + 5 * 86400 : 0;
        job.Active = i == 1 ? 0 : 2;
        job.SubDirs = 1;
        job.DeleteFiles = i == 2;
        job.FileCheckSum = i == 2 ? 3 : 0;
        job.Extentions = i == 1 ? ".jpg,.png" : "";
    }
}

void FillRunDisplay(WindowSession& session) {
    WxSyncDisplay& display = session.Display();
    const char* const values[kStatFieldCount] = {"1.284", "1.197",  "87", "4", "12",
                                                 "3",     "48.213", "0",  ""};
    for (int i = 0; i < kStatFieldCount; ++i) {
        display.SetStatisticsField(static_cast<StatField>(i), values[i]);
    }
    display.RefreshStatisticsLabels();
    display.SetStatusText(0, "Kopiere...");
    display.SetStatusText(1, "Dauer: 00:01:12");
    display.SetFileStatus("/home/anna/Dokumente/.../Steuer/2024/Belege.pdf");
    display.SetFileProgress(64);
    display.SetJobStatus("/home/anna/Dokumente/ -> /media/backup/Dokumente/");
    display.SetJobProgress(38);
    display.ClearChangeTree();
    ShowChangeTree(display, {
                                "Job #1: Dokumente|Neue Datei|Briefe/Antrag.odt",
                                "Job #1: Dokumente|Neue Datei|Briefe/Kündigung.odt",
                                "Job #1: Dokumente|Datum geändert|Steuer/2024/Belege.pdf",
                                "Job #1: Dokumente|Größe geändert|Notizen.txt",
                                "Job #2: Projekte|Neuer Ordner|quorvex/docs/",
                                "Job #2: Projekte|Neue Datei|quorvex/docs/Übersicht.md",
                            });
    session.Window().Changes().Tree()->ExpandAll();
}

// A small folder tree for the editor's folder trees to show, standing in for the personal
// folder so that the trees show nothing else; removed afterwards.
class SampleFolders {
  public:
    SampleFolders() {
        char name[] = "/tmp/quorvex-beispiel-XXXXXX";
        if (mkdtemp(name) == nullptr) {
            return;
        }
        root_ = std::string(name) + "/";
        for (const char* folder :
             {"Daten", "Daten/Bilder", "Daten/Dokumente", "Daten/Musik", "Daten/Dokumente/Steuer",
              "Backup", "Backup/Archiv", "Backup/Dokumente"}) {
            CreateFolder(root_ + folder);
        }
        const char* home = std::getenv("HOME");
        home_ = home != nullptr ? home : "";
        setenv("HOME", name, 1);
    }
    ~SampleFolders() {
        if (!root_.empty()) {
            setenv("HOME", home_.c_str(), 1);
            std::error_code ignored;
            std::filesystem::remove_all(root_, ignored);
        }
    }
    SampleFolders(const SampleFolders&) = delete;
    SampleFolders& operator=(const SampleFolders&) = delete;
    std::string operator/(const char* relative) const { return root_ + relative; }

  private:
    std::string root_;
    std::string home_;
};

// The job page as a run leaves it while it works: everything greyed.
void PhotographLockedJobs(WindowSession& session, const std::string& folder) {
    MainWindow& window = session.Window();
    session.Display().SetWindowTitle("Quorvex v2.5 - läuft");
    session.Display().LockControls(true);
    session.Display().SetRunButtonLabels("STOP!", "Pause");
    Settle(session, 500);
    Photograph(WithFrame(window), folder + "/main-run-locked.png");
    session.Display().LockControls(false);
    session.Display().SetRunButtonLabels("START!", "Vorschau");
    session.Display().SetWindowTitle("Quorvex v2.5");
    Settle(session, 200);
}

// The editor on the first job, which is moved into the sample folders for the purpose.
void PhotographEditor(Program& program, MainWindow& window, const std::string& folder) {
    SampleFolders samples;
    SyncJob* job = program.jobs.Select(0);
    const SyncJob kept = *job;
    job->Source = samples / "Daten/Dokumente/";
    job->Target = samples / "Backup/Dokumente/";
    job->FileCheckSum = 2;
    job->Extentions = "!.tmp,.bak";
    wxTimer timer;
    timer.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
        auto* editor = dynamic_cast<JobEditorWindow*>(
            wxWindow::FindWindowByName(JobEditorWindow::kWindowName));
        if (editor != nullptr) {
            Photograph(WithFrame(*editor), folder + "/editor.png");
            Click(editor->CancelButton());
        }
    });
    timer.StartOnce(1200);
    window.Services().jobEditor->Open("Job 1 ändern");
    *program.jobs.Select(0) = kept;
}

// A machine's drives as the window lists them, with labels and UUIDs.
bool SampleDrives(const MountVisitor& each) {
    const MountEntry drives[] = {
        {"/", kDriveFixed, "system", "3f1c2a9e-5b7d-4e21-9a0c-7d5e8b6f4a13"},
        {"/home", kDriveFixed, "daten", "b82e41d7-0c3a-4f6e-8d19-2a7c5e9f1b04"},
        {"/media/anna/USB-STICK", kDriveRemovable, "USB-STICK", "6A1F-03C2"},
        {"/media/cdrom", kDriveOptical, "", ""},
        {"/media/daten", kDriveFixed, "archiv", "e4d7a0b2-91c6-4b3f-a5e8-0f2d6c7b9a51"},
        {"/mnt/nas", kDriveRemote, "", ""},
        {"/run", kDriveRam, "", ""},
    };
    for (const MountEntry& drive : drives) {
        each(drive);
    }
    return true;
}

void PhotographDrives(MainWindow& window, const std::string& folder) {
    window.ShowPage(kOptionsPageIndex);
    window.Services().listDrives = SampleDrives;
    wxTimer timer;
    timer.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
        auto* drives =
            dynamic_cast<DrivesWindow*>(wxWindow::FindWindowByName(DrivesWindow::kWindowName));
        if (drives != nullptr) {
            Photograph(WithFrame(*drives), folder + "/laufwerke.png");
            Click(drives->AcceptButton());
        }
    });
    timer.StartOnce(1200);
    Click(window.Options().DrivesButton());
}

// The long-term loop counting down, photographed after a few seconds and then ended as a
// run that ends the program would end it.
void PhotographCountdown(Program& program, WindowSession& session, const std::string& folder) {
    MainWindow& window = session.Window();
    window.MoreButton()->SetValue(false);
    window.SetClientSize(kNarrowWidth, window.GetClientSize().y);
    window.MoreButton()->SetLabel("Mehr >>");
    window.SetRunButtonLabels("START!", "Vorschau");
    WxSyncDisplay& display = session.Display();
    display.SetStatusText(1, MakerLine(CurrentDateValue()));
    display.SetFileStatus("");
    display.SetFileProgress(0);
    display.SetJobStatus("");
    display.SetJobProgress(0);
    window.ShowPage(kJobsPageIndex);
    window.Options().LongTerm()->SetValue(true);
    window.Options().Minutes()->ChangeValue("1");
    program.settings.LongTerm = 1;
    BusyScope busy(window.Gate());
    wxTimer timer;
    timer.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
        Photograph(WithFrame(window), folder + "/main-countdown.png");
        program.settings.ExitAfterRun = 1;
    });
    timer.StartOnce(3500);
    window.Services().longTermLoop();
    program.settings.ExitAfterRun = 0;
}

// The tray icon in the panel that scripts/screenshots.sh puts at the top left, with the
// pointer resting on it so that its tooltip shows.
void PhotographTray(WindowSession& session, const std::string& folder) {
    if (!TrayIcon::TrayAvailable()) {
        std::printf("no notification area: tray.png skipped\n");
        return;
    }
    session.Display().AddTrayIcon("Quorvex v2.5 - Kopiere 42%");
    Settle(session, 1000);
    // The pointer enters and then moves, as a hand would: the tooltip waits for motion.
    if (std::system("xdotool search --name '^quorvex$' mousemove --window %1 8 8 sleep 0.3 "
                    "mousemove --window %1 16 16") == 0) {
        Settle(session, 1500);
        Photograph(wxRect(0, 0, 300, 90), folder + "/tray.png");
    }
    session.Display().RemoveTrayIcon();
}

int Run(const std::string& folder) {
    ConsoleDialogs console;
    WxUserDialogs dialogs(console);
    NullSyncDisplay nullDisplay;
    NullEventPump nullPump;
    Program program(dialogs, nullDisplay, nullPump);
    program.settings =
        DefaultSettings("/opt/quorvex/", "quorvex", "/opt/quorvex/", CurrentDateValue());
    program.settings.HelpText = BuildHelpText(CurrentDateValue());
    program.settings.SaveDrives = "/media/daten";
    program.settings.LogfileDir = "/home/anna/Dokumente/Sicherungen/Protokolle/";
    AddSampleJobs(program);

    WindowSession session(program, dialogs);
    if (!session.Open(DefaultWindowServices())) {
        return 1;
    }
    MainWindow& window = session.Window();
    window.SetStatusText("Herzlich Willkommen bei Quorvex v2.5", 0);
    window.RedrawJobList();
    window.Jobs().ShowRow(4);
    Settle(session, 800);

    const char* const names[] = {"1-jobs", "2-optionen", "3-expertenmodus", "4-statistik",
                                 "5-info"};
    for (int page = 0; page < 5; ++page) {
        if (page == kStatisticsPageIndex) {
            FillRunDisplay(session);
        }
        window.ShowPage(page);
        Settle(session, 400);
        Photograph(WithFrame(window), folder + "/main-" + names[page] + ".png");
    }

    window.ShowPage(kJobsPageIndex);
    PhotographLockedJobs(session, folder);
    PhotographEditor(program, window, folder);
    PhotographDrives(window, folder);

    window.ShowPage(kStatisticsPageIndex);
    window.MoreButton()->SetValue(true);
    window.SetClientSize(kWideWidth, window.GetClientSize().y);
    window.MoreButton()->SetLabel("<< Mehr");
    session.Display().SetWindowTitle("Quorvex v2.5 - läuft");
    session.Display().LockControls(true);
    session.Display().SetRunButtonLabels("STOP!", "Pause");
    Settle(session, 500);
    Photograph(WithFrame(window), folder + "/main-wide-run.png");

    {
        BusyScope busy(window.Gate());
        wxTimer timer;
        timer.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
            auto* pause =
                dynamic_cast<PauseWindow*>(wxWindow::FindWindowByName(PauseWindow::kWindowName));
            if (pause != nullptr) {
                Photograph(WithFrame(window), folder + "/pause.png");
                Click(pause->ResumeButton());
            }
        });
        timer.StartOnce(2300);
        session.Pump().HoldPause();

        RunTotals totals;
        totals.sourceFiles = 1284;
        totals.targetFiles = 1197;
        totals.newFiles = 87;
        totals.foldersCreated = 4;
        totals.changedFiles = 12;
        totals.filesCopied = 99;
        totals.bytesCopied = 49369088;
        totals.filesDeleted = 3;
        totals.readTime = 812;
        totals.compareTime = 1530;
        totals.copyTime = 41250;
        totals.deleteTime = 35;
        totals.writeRate = 1169;
        totals.jobTime = 43801;
        wxTimer statisticsTimer;
        statisticsTimer.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
            auto* statistics = dynamic_cast<StatisticsWindow*>(
                wxWindow::FindWindowByName(StatisticsWindow::kWindowName));
            if (statistics != nullptr) {
                Photograph(WithFrame(*statistics), folder + "/statistik.png");
                Click(statistics->CloseButton());
            }
        });
        statisticsTimer.StartOnce(800);
        ShowStatisticsWindow(&window, session.Pump(), totals, false, []() {});
    }
    PhotographCountdown(program, session, folder);
    PhotographTray(session, folder);
    return 0;
}

}  // namespace
}  // namespace quorvex

int main(int argc, char** argv) {
    const std::string folder = argc > 1 ? argv[1] : ".";
    return quorvex::Run(folder);
}
