#pragma once
// The windows that belong to the open company: made when a company opens, connected to the
// main window's commands, and dropped when it closes. This is the one place that knows every
// subsystem's windows, so that the shell below them knows none.

#include <QObject>
#include <memory>

namespace shell {
class Program;
}
namespace sales {
class TOpcjeNum;
}
namespace shell::companydata {
class TDaneFirmy;
}
namespace catalogs::counterparties {
class TFirmy;
}

class CompanyWindows : public QObject {
public:
    explicit CompanyWindows(shell::Program& program);
    ~CompanyWindows() override;

private:
    void open();
    void close();

    shell::Program& program_;
    std::unique_ptr<sales::TOpcjeNum> numbering_;
    std::unique_ptr<shell::companydata::TDaneFirmy> companyData_;
    std::unique_ptr<catalogs::counterparties::TFirmy> counterparties_;
};
