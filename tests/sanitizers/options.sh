# Sanitizer settings for running the tests of a sanitizer build (source this file): every
# report fails the run, leaks are checked at exit, and the leak suppressions cover only the
# desktop libraries the on-screen program loads, never our code. Allocation stacks are unwound
# in full (slower, but exact), so that a suppression can name a function deep in a library.
sanitizers_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
export ASAN_OPTIONS="detect_leaks=1:fast_unwind_on_malloc=0:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1"
export LSAN_OPTIONS="suppressions=$sanitizers_dir/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
unset sanitizers_dir
