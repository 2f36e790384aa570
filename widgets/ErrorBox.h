// The general error box: an error that ends a handler is shown with its text, and the program goes on.
#pragma once

#include <exception>
#include <functional>

// Shows the error's text in a modal error box titled with the application's name.
void ShowErrorBox(const std::exception& error);

// Runs step; an exception it raises is shown in the error box instead of travelling further.
void RunReportingErrors(const std::function<void()>& step);
