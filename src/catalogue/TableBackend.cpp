#include "catalogue/TableBackend.h"

#include "catalogue/TableData.h"

namespace ftf {

BackendTransaction::BackendTransaction(TableBackend* backend) : backend_(backend) {
    if (backend_) {
        backend_->BeginTransaction();
        open_ = true;
    }
}

BackendTransaction::~BackendTransaction() {
    if (open_) {
        try {
            backend_->RollbackTransaction();
        } catch (...) {
            // A destructor must not throw; the store reports a failed rollback itself.
        }
    }
}

void BackendTransaction::Commit() {
    if (!open_) return;
    backend_->CommitTransaction();  // a failed commit leaves the transaction to the destructor
    open_ = false;
}

void BackendTransaction::Rollback() {
    if (!open_) return;
    open_ = false;
    backend_->RollbackTransaction();
}

WriteTransaction::WriteTransaction(TableBackend* backend, std::vector<TableData*> tables) : tx_(backend) {
    for (TableData* t : tables) {
        t->BeginJournal();
        tables_.emplace_back(t, t->JournalMark());
    }
}

WriteTransaction::~WriteTransaction() {
    if (!open_) return;
    try {
        tx_.Rollback();
    } catch (...) {
    }
    Finish(true);
}

void WriteTransaction::Commit() {
    if (!open_) return;
    tx_.Commit();
    Finish(false);
}

void WriteTransaction::Rollback() {
    if (!open_) return;
    try {
        tx_.Rollback();
    } catch (...) {
        Finish(true);
        throw;
    }
    Finish(true);
}

void WriteTransaction::Finish(bool undo) {
    open_ = false;
    for (auto it = tables_.rbegin(); it != tables_.rend(); ++it) {
        if (undo) it->first->RollbackJournal(it->second);
        it->first->EndJournal();
    }
}

}  // namespace ftf
