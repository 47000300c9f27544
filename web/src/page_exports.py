#!/usr/bin/env python3
"""Makes, from the table of the page engine's exports (page-exports.json), the
three things that must agree with it:

  PageExports.h      the C declarations PagePlay.cpp's definitions must match
  exported.txt       the functions the engine exports, for the linker
  engine-api.js      the page's only way into the engine, with the types

    page_exports.py TABLE OUT_DIR SITE_DIR
"""
import json
import sys
from pathlib import Path

C_TYPES = {'void': 'void', 'int': 'int', 'uint': 'unsigned', 'double': 'double', 'string': 'const char*',
           'handle': 'Page*'}
JS_TYPES = {'void': None, 'int': 'number', 'uint': 'number', 'double': 'number', 'string': 'string',
            'handle': 'number'}


# An order's steps go to the page's own members (Module.page) one after the
# other; at a question the page's answer goes back to the engine for the next
# steps, until the order is over: then its result.
PLAY_OUT = """  const playOut = async (run) => {
    // The page's own work between steps gives way to input and frames now
    // and then, the engine's own part of the task counted with it.
    let since = performance.now();
    let reply = JSON.parse(run());
    for (;;) {
      for (const [what, ...args] of reply.steps) {
        await engine.page[what](...args);
        if (performance.now() - since < 25) continue;
        await new Promise((resolve) => setTimeout(resolve));
        since = performance.now();
      }
      if (!reply.question) return reply.result;
      const [what, ...args] = reply.question;
      const yes = await engine.page[what](...args);
      since = performance.now();
      reply = JSON.parse(engine.ccall('aurovane_answer', 'string', ['number', 'number'], [page, yes ? 1 : 0]));
    }
  };"""


def camel(name):
    head, *rest = name.split('_')
    return head + ''.join(w.capitalize() for w in rest)


def c_params(export):
    params = [] if export['name'] == 'start' else ['Page* page']
    for arg, kind in export['args']:
        if kind == 'bytes':
            params += [f'const unsigned char* {arg}', f'int {arg}Length']
        else:
            params.append(f'{C_TYPES[kind]} {arg}')
    return ', '.join(params)


def c_returns(export):
    # An order played out answers its steps whatever the page gets at its end.
    return 'const char*' if export.get('plays') else C_TYPES[export['returns']]


def js_call(export):
    names, types, values = [], [], []
    if export['name'] != 'start':
        types.append("'number'")
        values.append('page')
    for arg, kind in export['args']:
        names.append(arg)
        if kind == 'bytes':
            types += ["'array'", "'number'"]
            values += [arg, f'{arg}.length']
        else:
            types.append(f"'{JS_TYPES[kind]}'")
            values.append(arg)
    returns = 'string' if export.get('plays') else JS_TYPES[export['returns']]
    returns = 'null' if returns is None else f"'{returns}'"
    call = f"engine.ccall('aurovane_{export['name']}', {returns}, [{', '.join(types)}], [{', '.join(values)}])"
    if export.get('plays'):
        call = f'playOut(() => {call})'
    if export['name'] == 'start':
        call = f'(page = {call})'
    return f"    {camel(export['name'])}: ({', '.join(names)}) => {call},"


def main():
    table = json.loads(Path(sys.argv[1]).read_text())
    out, site = Path(sys.argv[2]), Path(sys.argv[3])
    out.mkdir(parents=True, exist_ok=True)
    site.mkdir(parents=True, exist_ok=True)
    exports = table['exports']
    header = ['// Made by web/src/page_exports.py from web/src/page-exports.json.', '#pragma once', '',
              '// Everything the page engine keeps of one page (PagePlay.cpp).', 'struct Page;', '',
              'extern "C" {']
    for e in exports:
        header.append(f"{c_returns(e)} aurovane_{e['name']}({c_params(e)});")
    header += ['}', '']
    write(out / 'PageExports.h', '\n'.join(header))
    write(out / 'exported.txt', ','.join(f"_aurovane_{e['name']}" for e in exports))
    js = ['// Made by web/src/page_exports.py from web/src/page-exports.json: the page',
          "// engine's exports with their types; `start` keeps the handle the others take.",
          'export function bindEngine(engine) {', '  let page = 0;', PLAY_OUT, '  return {']
    js += [js_call(e) for e in exports]
    js += ['  };', '}', '', '// The members of the state the engine hands the page, in order.',
           f"export const stateKeys = {json.dumps(table['state'])};", '']
    write(site / 'engine-api.js', '\n'.join(js))


def write(path, text):
    if not path.exists() or path.read_text() != text:
        path.write_text(text)


main()
