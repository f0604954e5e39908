#include "common/app_context.h"

AppContext& AppContext::Instance() {
  static AppContext context;
  return context;
}
