// Binds a control's signal to a form's event handler, which takes the sender as its argument.
// Every handler runs inside RunHandler, so no exception ever reaches Qt's event loop.
#pragma once

#include <QObject>

#include "ExceptionReport.h"

namespace platform {

template <typename Sender, typename Signal, typename Form>
void ConnectHandler(Sender* sender, Signal signal, Form* form, void (Form::*handler)(QObject*)) {
    QObject::connect(sender, signal, form,
                     [sender, form, handler] { RunHandler([&] { (form->*handler)(sender); }); });
}

}  // namespace platform
