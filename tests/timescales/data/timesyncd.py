'''systemd-timesyncd's manager object, as tst_clocksync needs it

Parameters: ServerName (a string) and NTPMessage (the fifteen fields of timesyncd's
"(uuuuittayttttbtt)", the reference id as a list of bytes).
'''

import dbus

BUS_NAME = 'org.freedesktop.timesync1'
MAIN_OBJ = '/org/freedesktop/timesync1'
MAIN_IFACE = 'org.freedesktop.timesync1.Manager'
SYSTEM_BUS = True


def load(mock, parameters):
    types = [dbus.UInt32] * 4 + [dbus.Int32] + [dbus.UInt64] * 2 + [lambda b: dbus.Array(b, signature='y')] \
        + [dbus.UInt64] * 4 + [dbus.Boolean] + [dbus.UInt64] * 2
    fields = [to(value) for to, value in zip(types, parameters['NTPMessage'])]
    mock.AddProperties(MAIN_IFACE, {
        'ServerName': dbus.String(parameters['ServerName']),
        'ServerAddress': dbus.Struct((dbus.Int32(2), dbus.Array([192, 0, 2, 123], signature='y')), signature='iay'),
        'NTPMessage': dbus.Struct(fields, signature='uuuuittayttttbtt'),
    })
