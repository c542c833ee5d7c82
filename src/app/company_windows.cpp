#include "company_windows.h"

#include "catalogs/counterparties/counterparties_window.h"
#include "catalogs/counterparties/counterparty_dialogs.h"
#include "sales/numbering/numbering_window.h"
#include "shell/companydata/company_data_dialog.h"
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

    companyData_ = std::make_unique<shell::companydata::TDaneFirmy>(*program_.companyData(),
                                                                    *program_.users(), &main);
    companyData_->loadCompanyData();
    main.setHandler(Command::CompanyData, [this] {
        companyData_->prepareToShow();
        companyData_->exec();
    });

    // The counterparties list stays open beside the main window while the user works.
    counterparties_ = std::make_unique<catalogs::counterparties::TFirmy>(*program_.companyData(),
                                                                         *program_.users());
    counterparties_->reinitialise();
    main.setHandler(Command::ListCounterparties, [this] {
        counterparties_->showNormal();
        counterparties_->raise();
        counterparties_->activateWindow();
    });
    main.setHandler(Command::CounterpartyOptions, [this] {
        auto* options = counterparties_->optionsDialog();
        options->reload();
        options->exec();
    });
}

void CompanyWindows::close() {
    shell::TMainFoRolvan& main = program_.mainWindow();
    for (Command c : {Command::Numbering, Command::CompanyData, Command::ListCounterparties,
                      Command::CounterpartyOptions})
        main.setHandler(c, {});
    program_.setNumberingWindow({});
    counterparties_.reset();
    companyData_.reset();
    numbering_.reset();
}
