#include "company_windows.h"

#include "sales/numbering/numbering_window.h"
#include "shell/company/company_data.h"
#include "shell/mainwindow/main_window.h"
#include "shell/mainwindow/program.h"

using Command = shell::TMainFoRolvan::Command;

CompanyWindows::CompanyWindows(shell::Program& program) : program_(program) {
    connect(&program, &shell::Program::companyOpened, this, &CompanyWindows::open);
    connect(&program, &shell::Program::companyClosed, this, &CompanyWindows::close);
}

CompanyWindows::~CompanyWindows() = default;

void CompanyWindows::open() {
    shell::TMainFoRolvan& main = program_.mainWindow();
    numbering_ = std::make_unique<sales::TOpcjeNum>(*program_.companyData(), *program_.users(),
                                                    &main);
    numbering_->loadNumberingOptions();
    auto showNumbering = [this] {
        numbering_->loadNumberingOptions();
        numbering_->exec();
    };
    main.setHandler(Command::Numbering, showNumbering);
    program_.setNumberingWindow(showNumbering);
}

void CompanyWindows::close() {
    shell::TMainFoRolvan& main = program_.mainWindow();
    main.setHandler(Command::Numbering, {});
    program_.setNumberingWindow({});
    numbering_.reset();
}
