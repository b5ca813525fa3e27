# Daily shortcuts; the scripts do the real work (and install what is missing).
.PHONY: test run bench fuzz package package-check format translations clean

test:
	./test.sh

run:
	./run.sh

bench:
	scripts/bench.sh

fuzz:
	scripts/fuzz.sh

package:
	scripts/package.sh

package-check:
	scripts/package-check.sh

translations:
	translations/update.sh

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
