#include "catalogue/TableBackend.h"

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

}  // namespace ftf
